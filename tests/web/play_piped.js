// Plays the game's web build under node, with standard input and output standing in for
// the page's terminal: `node --no-experimental-fetch play_piped.js SITE/tumblewood.js`.
// The exit status is the game's, or 3 if the game never said that it had ended.
'use strict';

const path = require('path');

const createTumblewood = require(path.resolve(process.argv[2]));

const chunks = []; // read from standard input, not yet taken by the game
let inputEnded = false;
let wakeReader = null;

function wake() {
  if (wakeReader) {
    const wakeNow = wakeReader;
    wakeReader = null;
    wakeNow();
  }
}

process.stdin.on('data', (chunk) => {
  chunks.push(chunk);
  wake();
});
process.stdin.on('end', () => {
  inputEnded = true;
  wake();
});

async function readInput(size) {
  while (chunks.length === 0 && !inputEnded) {
    await new Promise((resolve) => {
      wakeReader = resolve;
    });
  }
  if (chunks.length === 0) {
    return new Uint8Array(0);
  }
  const oldest = chunks[0];
  if (oldest.length <= size) {
    chunks.shift();
    return oldest;
  }
  chunks[0] = oldest.subarray(size);
  return oldest.subarray(0, size);
}

process.exitCode = 3;
createTumblewood({
  readInput,
  writeOutput: (bytes) => process.stdout.write(bytes),
  outputIsTerminal: process.stdout.isTTY === true,
  gameOver: (status) => {
    process.exitCode = status;
    process.stdin.destroy(); // the game reads no more; nothing should keep node waiting
  },
});
