// The tests serve the site with the server ./play --web runs (scripts/web-serve.sh): types,
// lengths, the precompressed files and validators as a static host sends them.
import { spawn } from 'node:child_process';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const script = path.resolve(path.dirname(fileURLToPath(import.meta.url)),
  '../../scripts/web-serve.sh');

// Serves a folder; gives its address and a close() that stops the server at once.
export function serve(root) {
  return new Promise((resolve, reject) => {
    const server = spawn(script, [root], { stdio: ['ignore', 'pipe', 'inherit'] });
    let said = '';
    server.stdout.on('data', (chunk) => {
      said += chunk;
      const address = /http:\/\/127\.0\.0\.1:\d+\//.exec(said);
      if (address) resolve({ url: address[0], close: () => server.kill() });
    });
    server.on('exit', (status) => reject(new Error('web-serve.sh ended: ' + status)));
  });
}
