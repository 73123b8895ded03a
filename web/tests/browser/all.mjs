// Every browser test file, in one process with one browser: each runs alone as well (node --test FILE).
import './session.test.mjs';
import './access.test.mjs';
import './view.test.mjs';
import './guess.test.mjs';
import './own.test.mjs';
import './practice.test.mjs';
