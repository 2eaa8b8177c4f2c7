// What the served page must withstand: a second tab while the first holds
// the form, a tab that is closed, malformed and oversized messages, report
// names that reach outside the report folder and foreign host names.
"use strict";
const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const http = require("node:http");
const path = require("node:path");
const { serve, browser, tempFolder } = require("./ServeHost");
const { FormPage } = require("./FormPage");

function request(address, { method = "GET", urlPath = "/", body, headers = {} }) {
  const url = new URL(address);
  return new Promise((resolve, reject) => {
    const req = http.request({ host: url.hostname, port: url.port, method, path: urlPath, headers }, res => {
      let data = "";
      res.on("data", c => { data += c; });
      res.on("end", () => resolve({ status: res.statusCode, body: data }));
    });
    req.on("error", reject);
    if (body !== undefined) req.write(body);
    req.end();
  });
}
const post = (address, urlPath, body) =>
  request(address, { method: "POST", urlPath, body: typeof body === "string" ? body : JSON.stringify(body) });
async function state(address) { return JSON.parse((await request(address, { urlPath: "/state" })).body); }

test("a second tab watches while the first holds the form, and takes over once the first is closed", async () => {
  const served = await serve(tempFolder("hemr07-hold-"));
  const chrome = await browser();
  try {
    const first = new FormPage(await chrome.context.newPage());
    await first.page.goto(served.address);
    await first.window("frmHemr07");
    await first.click("ed05");
    const second = new FormPage(await chrome.context.newPage());
    await second.page.goto(served.address);
    await second.window("frmHemr07");
    assert.match(await second.page.textContent("#status"), /Another page/, "the second tab only watches");

    await second.page.bringToFront();
    await second.type("7");
    assert.match(await second.page.textContent("#status"), /another page is using the form/);
    assert.doesNotMatch(await second.text("ed05"), /7/, "the watcher's typing changed nothing");

    await first.page.close();
    await second.page.waitForFunction(() => /You are using/.test(document.getElementById("status").textContent),
                                      null, { timeout: 15000 });
    await second.type("7");
    assert.match(await second.text("ed05"), /7/, "the second tab types once the first is gone");
  } finally {
    await chrome.close();
    await served.stop();
  }
});

test("bad messages are refused and change nothing; only plain report names of the report folder are served", async () => {
  const home = tempFolder("hemr07-bad-");
  const served = await serve(home);
  try {
    const before = await state(served.address);
    const client = "guard-test-0001";
    const refusals = [
      ["not JSON", "{\"client\": ", 400],
      ["no page id", { event: { key: "Tab" } }, 400],
      ["no event", { client }, 400],
      ["two actions", { client, event: { key: "Tab", type: "x" } }, 400],
      ["unknown key", { client, event: { key: "Hyper+Q" } }, 400],
      ["unknown action", { client, event: { drop: "table" } }, 400],
      ["control characters", { client, event: { type: "\u0001" } }, 400],
      ["a click without a point", { client, event: { click: { window: "frmHemr07" } } }, 400],
      ["a click on no window", { client, event: { click: { window: "frmNone", x: 5, y: 5 } } }, 409],
      ["an answer without a dialog", { client, event: { answer: "OK" } }, 409],
      ["oversized", { client, event: { type: "x".repeat(20000) } }, 413],
      ["far oversized", "x".repeat(200000), 413],
    ];
    for (const [what, body, status] of refusals) {
      const res = await post(served.address, "/input", body);
      assert.equal(res.status, status, `${what}: ${res.body}`);
      assert.ok(JSON.parse(res.body).error, `${what} is answered with an error`);
    }
    const after = await state(served.address);
    assert.deepEqual(after.windows, before.windows, "nothing changed on the form");

    const reports = path.join(home, "server", "Report");
    fs.mkdirSync(reports, { recursive: true });
    fs.writeFileSync(path.join(home, "secret.txt"), "secret");
    fs.symlinkSync(path.join(home, "secret.txt"), path.join(reports, "link.txt"));
    for (const name of ["..%2Fsecret.txt", "%2e%2e%2fsecret.txt", "..", ".hidden", "link.txt", "missing.html",
                        "..%5Csecret.txt"]) {
      const res = await request(served.address, { urlPath: "/reports/" + name });
      assert.equal(res.status, 404, `/reports/${name}`);
      assert.doesNotMatch(res.body, /secret/);
    }
    const foreign = await request(served.address, { urlPath: "/state", headers: { Host: "example.com" } });
    assert.equal(foreign.status, 403, "a foreign host name is refused");
  } finally {
    await served.stop();
  }
});
