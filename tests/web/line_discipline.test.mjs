// The page's line discipline: what the game reads and what the terminal echoes for what is
// typed or pasted.
import assert from 'node:assert/strict';
import test from 'node:test';

import { LineDiscipline } from '../../src/web/line_discipline.mjs';

// Feeds each piece as the terminal reports it, then reads everything sent, as the game
// would: the text the game gets, what was echoed, and whether the input has ended.
async function type(pieces, readSize = 1024) {
  let echoed = '';
  const input = new LineDiscipline((text) => {
    echoed += text;
  });
  pieces.forEach((piece) => input.receive(piece));
  const decoder = new TextDecoder();
  let read = '';
  while (input.sent.length > 0) {
    read += decoder.decode(await input.read(readSize), { stream: true });
  }
  return { read, echoed, ended: input.ended, editing: input.line };
}

test('typed keys are echoed and sent with a line break on Enter', async () => {
  const cases = [
    { pieces: ['B', 'r', 'u', 'n', 'o', '\r'], read: 'Bruno\n', echoed: 'Bruno\r\n' },
    { pieces: ['\r'], read: '\n', echoed: '\r\n' },
    { pieces: ['1', '2', '\x7f', '3', '\r'], read: '13\n', echoed: '12\b \b3\r\n' },
    { pieces: ['\x7f', '\b', '6', '\r'], read: '6\n', echoed: '6\r\n' }, // nothing to erase
    { pieces: ['b', 'ä', 'r', '\x7f', '\x7f', '\r'], read: 'b\n', echoed: 'bär\b \b\b \b\r\n' },
    { pieces: ['\x1b[A', '\x1b[D', '\t', '5', '\r'], read: '5\n', echoed: '5\r\n' },
    { pieces: ['7'], read: '', echoed: '7' }, // not sent until Enter
  ];
  for (const { pieces, read, echoed } of cases) {
    const got = await type(pieces);
    assert.deepEqual({ read: got.read, echoed: got.echoed }, { read, echoed }, JSON.stringify(pieces));
  }
});

test('pasted text is taken line by line, in order, whatever its line breaks', async () => {
  const { read, echoed } = await type(['Bruno\r6\r\n0\nquit\r', '3 3 3\r']);
  assert.equal(read, 'Bruno\n6\n0\nquit\n3 3 3\n');
  assert.equal(echoed, 'Bruno\r\n6\r\n0\r\nquit\r\n3 3 3\r\n');
});

test('Ctrl-D ends the input on an empty line and sends a line with text as it stands', async () => {
  assert.deepEqual(await type(['\x04', '6\r']), { read: '', echoed: '', ended: true, editing: '' });
  assert.deepEqual(await type(['6', '\x04']), { read: '6', echoed: '6', ended: false, editing: '' });
  assert.deepEqual(await type(['6', '\x04', '\x04']), {
    read: '6',
    echoed: '6',
    ended: true,
    editing: '',
  });
});

test('a read waits for a line, takes no more than it asks for, and keeps the rest', async () => {
  const input = new LineDiscipline(() => {});
  const decoder = new TextDecoder();
  const waiting = input.read(4);
  input.receive('Bruno 1');
  input.receive('\r');
  assert.equal(decoder.decode(await waiting), 'Brun');
  assert.equal(decoder.decode(await input.read(1024)), 'o 1\n');

  const atEnd = input.read(1024);
  input.receive('\x04');
  assert.equal((await atEnd).length, 0);
  assert.equal((await input.read(1024)).length, 0);
});
