// The page: a terminal filling the window, and the game running in it, one new instance of
// the game's module for every game.
import { Terminal } from './xterm/xterm.mjs';
import { FitAddon } from './xterm/addon-fit.mjs';
import { LineDiscipline } from './line_discipline.mjs';

const GAME_OVER = 'The game is over. Press Enter to start a new one.';
const GAME_FAILED = 'The game stopped after an error. Press Enter to start a new one.';

// A little smaller on a phone, so that more of each line fits across.
function fontSizeFor(width) {
  return width < 600 ? 14 : 16;
}

const screen = document.getElementById('terminal');
const terminal = new Terminal({
  convertEol: true, // the game ends its lines with a line feed alone
  screenReaderMode: true,
  cursorBlink: true,
  fontFamily: '"DejaVu Sans Mono", "Liberation Mono", Menlo, Consolas, monospace',
  fontSize: fontSizeFor(window.innerWidth),
  scrollback: 1000,
  theme: { background: '#1d1f21', foreground: '#e8e6e3', cursor: '#f0c674' },
});
const fit = new FitAddon();
terminal.loadAddon(fit);
terminal.open(screen);
fit.fit();
new ResizeObserver(() => {
  terminal.options.fontSize = fontSizeFor(window.innerWidth);
  fit.fit();
}).observe(screen);
// A tap anywhere on the terminal gives it the keyboard; on a phone that opens the keyboard.
screen.addEventListener('click', () => terminal.focus());
terminal.focus();

// The game is compiled once; each game instantiates it anew.
const compiledGame = fetch('tumblewood.wasm')
  .then((response) => {
    if (!response.ok) {
      throw new Error(`tumblewood.wasm: ${response.status} ${response.statusText}`);
    }
    return response.arrayBuffer();
  })
  .then((bytes) => WebAssembly.compile(bytes));

// The running game's input, or null between games, when Enter starts the next.
let input = null;

terminal.onData((data) => {
  if (input) {
    input.receive(data);
  } else if (data.includes('\r')) {
    terminal.write('\r\n');
    startGame();
  }
});

function startGame() {
  const gameInput = new LineDiscipline((text) => terminal.write(text));
  input = gameInput;
  let over = false;
  const endGame = (message) => {
    if (!over) {
      over = true;
      showGameOver(gameInput, message);
    }
  };
  if (typeof createTumblewood !== 'function') {
    terminal.write('The game could not be loaded (no tumblewood.js). Reload to try again.\r\n');
    return;
  }
  createTumblewood({
    readInput: (size) => gameInput.read(size),
    writeOutput: (bytes) => terminal.write(bytes),
    outputIsTerminal: true,
    gameOver: (status) => endGame(status === 0 ? GAME_OVER : GAME_FAILED),
    onAbort: () => endGame(GAME_FAILED),
    instantiateWasm(imports, receiveInstance) {
      compiledGame
        .then((compiled) => WebAssembly.instantiate(compiled, imports))
        .then((instance) => receiveInstance(instance))
        .catch((error) => {
          terminal.write(
            `The game could not be loaded (${error.message}). Reload to try again.\r\n`,
          );
        });
      return {}; // the exports come later, through receiveInstance
    },
  }).catch(() => endGame(GAME_FAILED));
}

// Writes the page's own line below the game's last text, once that text is on the screen.
function showGameOver(gameInput, message) {
  if (input === gameInput) {
    input = null;
  }
  terminal.write('', () => {
    const lineBreak = terminal.buffer.active.cursorX === 0 ? '' : '\r\n';
    terminal.write(`${lineBreak}\x1b[1;33m${message}\x1b[0m\r\n`);
  });
}

startGame();
