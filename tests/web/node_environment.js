// Zubrik: hands Node's environment to a test program built for WebAssembly, whose getenv sees only its own.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  Object.assign(ENV, process.env);
});
