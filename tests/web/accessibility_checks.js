// Zubrik: each window of the page read as a screen reader would: axe-core's rules, one heading, the reading order.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const fs = require('fs');
const { selectorOf } = require('./scenario_player');

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

// Runs in the page: what axe finds serious or critical, one line a rule.
async function axeFindings() {
  const serious = (results) => results.violations.filter((rule) => ['serious', 'critical'].includes(rule.impact));
  const described = (rule) => `${rule.id} (${rule.impact}): ${rule.nodes.map((node) => node.target.join(' ')).join(', ')}`;
  const everything = await window.axe.run(document, { rules: { 'color-contrast': { enabled: false } } });
  // The game's windows keep the original's own colours, red on white among
  // them, which the player knows the game by: their contrast is judged apart.
  // The page's own frame, title bars and message box are held to the rule.
  const contrast = await window.axe.run({ exclude: [['.window[data-form] > .client']] },
                                        { runOnly: ['color-contrast'] });
  return [...serious(everything), ...serious(contrast)].map(described);
}

// Runs in the page: the page-wide promises axe does not make.
function orderFindings() {
  const found = [];
  const headings = document.querySelectorAll('h1');
  if (headings.length !== 1) found.push(`${headings.length} h1 headings, not one`);
  for (const el of document.querySelectorAll('[tabindex]'))
    if (el.tabIndex > 0) found.push(`tabindex ${el.tabIndex} on ${el.dataset.control || el.tagName}`);
  // A control wholly outside its window's client area (the hidden choice's
  // name before it is unlocked) is not to be read either.
  for (const client of document.querySelectorAll('.window .client')) {
    const room = client.getBoundingClientRect();
    for (const el of client.querySelectorAll('[data-control]')) {
      const box = el.getBoundingClientRect();
      const outside = box.left >= room.right || box.right <= room.left || box.top >= room.bottom || box.bottom <= room.top;
      if (outside && el.getClientRects().length > 0 && getComputedStyle(el).visibility !== 'hidden'
          && !el.closest('[aria-hidden="true"]'))
        found.push(`${el.dataset.control} (${el.textContent}) out of sight but read`);
    }
  }
  return found;
}

// In `form`'s window, the controls Tab stops at, in the order the program's
// Tab moves through them from the one focused, against the order they stand
// in the document, which is the order a screen reader reads them in.
async function tabOrderFinding(page, form) {
  const stops = await page.$$eval(`${selectorOf(form)} [data-control]`, (els) => els
    .filter((el) => el.tabIndex === 0 && !el.disabled && el.getClientRects().length > 0)
    .map((el) => el.dataset.control));
  if (stops.length < 2) return null;
  const focused = () => page.evaluate(() => document.activeElement && document.activeElement.dataset.control);
  const start = await focused();
  const at = stops.indexOf(start);
  if (at < 0) return `${form}: the focus on ${start}, not a tab stop`;
  const visited = [];
  for (let i = 0; i < stops.length; ++i) {
    await page.keyboard.press('Tab');
    visited.push(await focused());
  }
  const expected = [...stops.slice(at + 1), ...stops.slice(0, at + 1)];
  return visited.join(' ') === expected.join(' ')
    ? null : `${form}: Tab goes ${visited.join(' > ')}, the document reads ${expected.join(' > ')}`;
}

// Every window of the game in turn: the main one, both dialogs (Tab taken
// round each), the message box, the ending.
async function checkAccessibility({ browser, openPage, urls }) {
  const findings = [];
  const look = async (page, where) => {
    await page.addScriptTag({ content: axeSource });
    for (const finding of [...await page.evaluate(axeFindings), ...await page.evaluate(orderFindings)])
      findings.push(`${where}: ${finding}`);
  };
  const { page } = await openPage(browser, { width: 1024, height: 768 }, urls.game);
  try {
    await page.waitForSelector(`${selectorOf('Form1')}:not([hidden])`);
    await look(page, 'main window');
    const mainOrder = await tabOrderFinding(page, 'Form1');
    if (mainOrder) findings.push(mainOrder);
    for (const [opener, form] of [['Cmd_nikusel', 'Form2'], ['Cmd_stgsel', 'Form3']]) {
      await page.click(selectorOf(`Form1.${opener}`));
      await page.waitForSelector(`${selectorOf(form)}[open]`);
      await look(page, form);
      const order = await tabOrderFinding(page, form);
      if (order) findings.push(order);
      await page.keyboard.press('Escape');
      await page.waitForSelector(`${selectorOf(form)}[open]`, { hidden: true });
    }
  } finally {
    await page.close();
  }
  const ending = (await openPage(browser, { width: 1024, height: 768 }, urls.ending)).page;
  try {
    await ending.waitForSelector(`${selectorOf('Form1')}:not([hidden])`);
    await ending.click(selectorOf('Form1.Cmd_jump'));
    await ending.waitForSelector('dialog[data-message][open]');
    await look(ending, 'message box');
    await ending.click('dialog[data-message][open] button');
    await ending.waitForSelector(`${selectorOf('Form4')}[open]`);
    await look(ending, 'ending');
  } finally {
    await ending.close();
  }
  if (findings.length) throw new Error(findings.join('; '));
}

module.exports = { checkAccessibility };
