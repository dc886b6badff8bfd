// Runs a test built for the browser under Node and ends with its exit code.
// Qt's programs are built as a module whose factory starts them.
'use strict';
const path = require('path');

const program = path.resolve(process.argv[2]);
process.exitCode = 1; // unless the program says otherwise
const start = require(program);
start({
  arguments: process.argv.slice(3),
  locateFile: (file) => path.join(path.dirname(program), file),
  onExit: (code) => { process.exitCode = code; },
  onAbort: (what) => { console.error('aborted:', what); process.exitCode = 1; },
}).catch((error) => {
  // Emscripten ends the run by throwing its exit status.
  if (error && error.name === 'ExitStatus')
    process.exitCode = error.status;
  else {
    console.error(error);
    process.exitCode = 1;
  }
});
