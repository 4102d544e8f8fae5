// Validates one .glb or .gltf file with the Khronos glTF Validator.
// Usage: node validate_gltf.js NODE_MODULES_DIR FILE
// Prints "errors N warnings W" and every error and warning; exit status 0 only when both are 0,
// 2 when the validator cannot be loaded.
'use strict';
const fs = require('fs');
const path = require('path');

let validator;
try {
  validator = require(path.resolve(process.argv[2], 'gltf-validator'));
} catch (e) {
  console.log('gltf-validator not found under ' + process.argv[2] + ': ' + e.message);
  process.exit(2);
}
const file = process.argv[3];
validator
  .validateBytes(new Uint8Array(fs.readFileSync(file)), {
    uri: path.basename(file),
    maxIssues: 100,
    externalResourceFunction: () => Promise.reject(new Error('no external resources')),
  })
  .then((report) => {
    const issues = report.issues;
    console.log('errors ' + issues.numErrors + ' warnings ' + issues.numWarnings);
    for (const m of issues.messages)
      if (m.severity <= 1) console.log(m.code + ' ' + m.pointer + ' ' + m.message);
    process.exit(issues.numErrors === 0 && issues.numWarnings === 0 ? 0 : 1);
  })
  .catch((e) => {
    console.log('validation failed: ' + e);
    process.exit(1);
  });
