// The web site served on 127.0.0.1 as any static server serves it, with the
// WebAssembly type; `route(path)` may answer a path itself (a string or
// bytes) before the folder does. Resolves to the server's address.
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.svg': 'image/svg+xml', '.png': 'image/png', '.pdf': 'application/pdf' };

export async function serve(folder, route = () => undefined) {
    const server = createServer((request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
        try {
            const body = route(path) ?? readFileSync(join(folder, path.endsWith('/') ? join(path, 'index.html') : path));
            response.writeHead(200, { 'Content-Type': types[extname(path)] || 'application/octet-stream' });
            response.end(body);
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    return { server, base: `http://127.0.0.1:${server.address().port}` };
}
