// Zubrik: reads the player's script (tests/scenario/player.scenario) into runs of steps, each starting the game afresh.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

// Each verb's count of plain arguments, and the name=value options it takes.
// A slip in the script stops the reading: a step no driver understands would
// otherwise pass for one that ran.
const verbs = {
  start: { least: 0, most: 0, options: ['count'] },
  click: { least: 1, most: 1, options: ['times'] },
  'click-at': { least: 3, most: 3 },
  key: { least: 1, most: 2 },
  close: { least: 1, most: 1 },
  frame: { least: 1, most: 1 },
  frames: { least: 1, most: 1 },
  caption: { least: 2, most: 2 },
  enabled: { least: 1, most: Infinity },
  disabled: { least: 1, most: Infinity },
  focus: { least: 1, most: 1 },
  shown: { least: 1, most: 1 },
  gone: { least: 1, most: 1 },
  box: { least: 2, most: 2 },
  look: { least: 1, most: 1, options: ['back', 'align'] },
  exit: { least: 1, most: 1 },
};

// The words of a line: split at spaces, a quoted one kept whole (its \r\n a
// CR LF), the rest of the line from a `#` outside quotes left out.
function words(text, where) {
  const found = [];
  for (let at = 0; at < text.length;) {
    if (text[at] === ' ' || text[at] === '\t') {
      ++at;
    } else if (text[at] === '#') {
      break;
    } else if (text[at] === '"') {
      const end = text.indexOf('"', at + 1);
      if (end < 0) throw new Error(`${where}: a quote left open`);
      found.push({ quoted: true, text: text.slice(at + 1, end).replace(/\\r\\n/g, '\r\n') });
      at = end + 1;
    } else {
      const end = text.slice(at).search(/[ \t"#]|$/) + at;
      found.push({ quoted: false, text: text.slice(at, end) });
      at = end;
    }
  }
  return found;
}

// Runs of { line, verb, args, options }, each run from a `start` on.
function parse(text, name = 'scenario') {
  const runs = [];
  text.split('\n').forEach((source, index) => {
    const where = `${name}:${index + 1}`;
    const [head, ...rest] = words(source.replace(/\r$/, ''), where);
    if (!head) return;
    const verb = verbs[head.text];
    if (head.quoted || !verb) throw new Error(`${where}: no verb "${head.text}"`);
    const step = { line: index + 1, verb: head.text, args: [], options: {} };
    for (const word of rest) {
      const option = !word.quoted && word.text.match(/^([a-z]+)=(.*)$/);
      if (option && (verb.options || []).includes(option[1])) step.options[option[1]] = option[2];
      else if (option) throw new Error(`${where}: ${head.text} takes no ${option[1]}=`);
      else step.args.push(word.text);
    }
    if (step.args.length < verb.least || step.args.length > verb.most)
      throw new Error(`${where}: ${head.text} with ${step.args.length} argument(s)`);
    if (step.verb === 'start') runs.push({ line: step.line, steps: [step] });
    else if (runs.length) runs[runs.length - 1].steps.push(step);
    else throw new Error(`${where}: a step before the first start`);
  });
  return runs;
}

module.exports = { parse };
