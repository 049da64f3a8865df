// A terminal's line discipline for the game's input, as a terminal keeps it in cooked mode:
// typed characters are echoed and gathered into a line, Backspace takes the last one back,
// Enter sends the line with its line break, and Ctrl-D on an empty line ends the input.
// Sent lines wait in order until the game reads them, so answers typed ahead, several
// answers on one line and pasted text are all taken in turn.

const ENTER = '\r';
const LINE_FEED = '\n';
const BACKSPACE = '\x7f';
const CONTROL_H = '\b';
const END_OF_INPUT = '\x04'; // Ctrl-D
const ESCAPE = '\x1b';

export class LineDiscipline {
  // `echo(text)` shows text on the terminal.
  constructor(echo) {
    this.echo = echo;
    this.line = ''; // being edited, not yet sent
    this.sent = []; // byte arrays of sent text, oldest first, not yet read
    this.ended = false;
    this.wakeReader = null; // set while a read waits for text
    this.lastWasEnter = false; // a line feed right after Enter is the same line break
    this.encoder = new TextEncoder();
  }

  // Takes what the terminal reports as typed: one key, a key's escape sequence, or pasted
  // text of any length.
  receive(data) {
    if (this.ended || data.startsWith(ESCAPE)) {
      return; // arrows and function keys do not edit a line here
    }
    for (const character of data) {
      this.take(character);
    }
  }

  take(character) {
    const afterEnter = this.lastWasEnter;
    this.lastWasEnter = character === ENTER;
    if (character === ENTER || character === LINE_FEED) {
      if (character === LINE_FEED && afterEnter) {
        return;
      }
      this.echo('\r\n');
      this.send(this.line + '\n');
    } else if (character === BACKSPACE || character === CONTROL_H) {
      if (this.line !== '') {
        this.line = Array.from(this.line).slice(0, -1).join('');
        this.echo('\b \b');
      }
    } else if (character === END_OF_INPUT) {
      // As at a terminal: a line with text in it is sent as it stands, without a line
      // break; an empty one ends the input.
      if (this.line === '') {
        this.ended = true;
        this.wake();
      } else {
        this.send(this.line);
      }
    } else if (character >= ' ') {
      this.line += character;
      this.echo(character);
    }
  }

  send(text) {
    this.line = '';
    this.sent.push(this.encoder.encode(text));
    this.wake();
  }

  wake() {
    if (this.wakeReader) {
      const wakeReader = this.wakeReader;
      this.wakeReader = null;
      wakeReader();
    }
  }

  // The next sent bytes, at most `size` of them, once there are some: none once the input
  // has ended and everything sent has been read.
  async read(size) {
    while (this.sent.length === 0 && !this.ended) {
      await new Promise((resolve) => {
        this.wakeReader = resolve;
      });
    }
    if (this.sent.length === 0) {
      return new Uint8Array(0);
    }
    const oldest = this.sent[0];
    if (oldest.length <= size) {
      this.sent.shift();
      return oldest;
    }
    this.sent[0] = oldest.subarray(size);
    return oldest.subarray(0, size);
  }
}
