// Starts `hemr07-host serve` on a fresh home folder and a headless Chromium
// pointed at it, and runs `hemr07-host run` for comparison.
"use strict";
const { spawn, spawnSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const readline = require("node:readline");
let chromium;
try {
  ({ chromium } = require("playwright-core"));
} catch (e) {
  throw new Error("playwright-core is missing: scripts/test installs it with npm ci into build/browser");
}

const bin = process.env.HEMR_BINARY_DIR;
const host = path.join(bin, "hemr07-host");

function tempFolder(prefix) {
  return fs.mkdtempSync(path.join(os.tmpdir(), prefix));
}

// The served session: its address and its transcript lines as they come.
async function serve(home) {
  const child = spawn(host, ["serve", "--home", home, "--port", "0"], { stdio: ["ignore", "pipe", "inherit"] });
  const lines = [];
  const waiters = [];
  readline.createInterface({ input: child.stdout }).on("line", text => {
    const line = JSON.parse(text);
    lines.push(line);
    for (const w of waiters.splice(0)) w();
  });
  const exited = new Promise(resolve => child.on("exit", code => resolve(code)));
  const waitFor = async (pred, what, ms = 15000) => {
    const end = Date.now() + ms;
    for (;;) {
      const found = lines.find(pred);
      if (found) return found;
      if (Date.now() > end) throw new Error(`no ${what} in the transcript: ${JSON.stringify(lines)}`);
      await new Promise(r => { waiters.push(r); setTimeout(r, 200); });
    }
  };
  const address = (await waitFor(l => l.serve, "address")).serve;
  return {
    address, lines, waitFor,
    async stop() { child.kill("SIGTERM"); return exited; },
  };
}

function run(home, scenarioFile) {
  const r = spawnSync(host, ["run", "--home", home, scenarioFile], { encoding: "utf8", timeout: 60000 });
  if (r.status !== 0) throw new Error(`hemr07-host run failed (${r.status}): ${r.stdout}${r.stderr}`);
  return r.stdout.trim().split("\n").map(l => JSON.parse(l));
}

async function browser() {
  const profile = tempFolder("hemr07-chromium-");
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium",
    headless: true,
    viewport: { width: 1000, height: 760 },
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
  return {
    context,
    async close() { await context.close(); fs.rmSync(profile, { recursive: true, force: true }); },
  };
}

module.exports = { serve, run, browser, tempFolder, bin };
