// Reads an SGF file with @sabaki/sgf (an independent parser from the npm
// registry) and prints what it found, one "KEY=value" line each: the root's
// properties (a newline in a value printed as "\n"), then "moves=" with the
// main line's moves as "B:pd W: ...".
// Usage: node sabaki_read_sgf.js FILE.sgf NODE_MODULES_DIR
const path = require('path');
const sgf = require(path.join(process.argv[3], '@sabaki', 'sgf'));

const roots = sgf.parseFile(process.argv[2]);
if (roots.length !== 1) {
  console.log('trees=' + roots.length);
  process.exit(1);
}
const root = roots[0];
for (const key of Object.keys(root.data).sort()) {
  console.log(key + '=' + root.data[key].join('|').replace(/\n/g, '\\n'));
}
const moves = [];
let node = root;
while (node.children.length > 0) {
  node = node.children[0];
  if (node.data.B) moves.push('B:' + node.data.B[0]);
  else if (node.data.W) moves.push('W:' + node.data.W[0]);
  else moves.push('?');
}
console.log('moves=' + moves.join(' '));
