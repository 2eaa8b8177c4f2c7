// hemr07-host serve in a real headless Chromium: a person fills in and
// submits the HEMR07 form, runs the report directly and records what they
// did; the recording and the same actions written as a scenario give the
// same job through hemr07-host run.
"use strict";
const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const http = require("node:http");
const path = require("node:path");
const { serve, run, browser, tempFolder } = require("./ServeHost");
const { FormPage } = require("./FormPage");

const shots = process.env.HEMR_SCREENSHOT_DIR || tempFolder("hemr07-shots-");
fs.mkdirSync(shots, { recursive: true });

// What the person does, as the scenario a script writer would write for it.
const sameActionsAsScenario = {
  steps: [
    { focus: "sp01" }, { key: "Tab" }, { key: "Tab" }, { type: "01" }, { key: "Tab" }, { type: "02" },
    { focus: "sp02" }, { key: "Tab" }, { key: "Space" }, { key: "Tab" }, { key: "F2" },
    { type: "部" }, { key: "Backspace" }, { key: "Down" }, { key: "Space" }, { key: "Ctrl+Down" }, { key: "Ctrl+Down" }, { key: "Ctrl+Down" },
    { key: "Ctrl+Down" }, { key: "Space" }, { key: "Enter" },
    { focus: "ed03" }, { type: "20240601" }, { key: "F2" }, { key: "End" }, { key: "Enter" },
    { focus: "ed05" }, { type: "25" }, { key: "Tab" }, { type: "30" }, { key: "Tab" },
    { answer: "OK" }, { type: "-1" }, { key: "Tab" },
    { key: "Backspace" }, { key: "Backspace" }, { type: "35" }, { key: "Tab" },
    { click: "btnOk" },
  ],
};

function jobOf(lines, id) {
  const job = lines.filter(l => l.job).map(l => l.job).find(j => j.id === id);
  assert.ok(job, `the transcript holds job ${id}`);
  return job;
}
// The moments of submission differ from run to run; everything else must not.
function withoutMoments(value) {
  return JSON.parse(JSON.stringify(value).replace(/\{"date":"[^"]*"\}/g, '{"date":"(moment)"}'));
}
function resultOf(lines) { return lines.find(l => l.result).result; }
function jobId(result) { return typeof result.data === "object" ? result.data.bytes : result.data; }

test("a person fills in the HEMR07 form in the browser, runs it directly, submits it and records the session", async () => {
  const home = tempFolder("hemr07-serve-");
  const served = await serve(home);
  const chrome = await browser();
  try {
    const page = await chrome.context.newPage();
    await page.goto(served.address);
    const form = new FormPage(page);
    await form.window("frmHemr07");

    // Companies 01 to 02, typed into the range of sp01.
    await form.clickPart("sp01", ".edit", 0);
    await form.type("01");
    await form.press("Tab");
    await form.type("02");

    // Departments A01 and C01 through the lookup window of sp02's list.
    await form.clickPart("sp02", ".check");
    await form.press("Tab", "F2");
    await form.window("frmF2Lookup");
    // Chinese from an input method narrows the rows; taking it back shows them all again.
    await page.keyboard.insertText("部");
    await form.idle();
    assert.match(await form.text("lblCount"), /共 7 笔/, "the search text narrows the rows");
    await form.press("Backspace");
    assert.match(await form.text("lblCount"), /共 8 笔/);
    await form.press("ArrowDown", "Space", "Control+ArrowDown", "Control+ArrowDown", "Control+ArrowDown",
                     "Control+ArrowDown", "Space");
    await form.shoot(path.join(shots, "serve-lookup.png"));
    await form.press("Enter");
    await form.window("frmHemr07");

    // The statistics date through the date window: 2024/06/01, then the last day of that month.
    await form.click("ed03");
    await form.type("20240601");
    await form.press("F2");
    await form.window("frmInputDay");
    assert.match(await form.text("lblDate"), /2024\/06\/01/, "the date window opens at the typed day");
    await form.press("End", "Enter");
    await form.window("frmHemr07");
    assert.match(await form.text("ed03"), /2024.06.30/, "the chosen day is in the field");

    // Two brackets, then a negative bound: the form says why and keeps the focus.
    await form.click("ed05");
    await form.type("25");
    await form.press("Tab");
    await form.type("30");
    await form.press("Tab");
    await form.type("-1");
    await form.press("Tab");
    const dialog = await form.dialog();
    assert.equal(dialog.text, "年龄区间不可为负数!");
    await form.shoot(path.join(shots, "serve-dialog.png"));
    await form.answer("OK");
    assert.equal(await page.$(".win.dialog"), null, "the answered dialog is gone");
    await form.press("Backspace", "Backspace");
    await form.type("35");
    await form.press("Tab");
    await form.shoot(path.join(shots, "serve-form.png"));

    // The direct query writes the report files; the page links them.
    await form.click("btnQuery");
    await page.waitForSelector('#reports a[href$=".html"]', { timeout: 30000 });
    const [report] = await Promise.all([chrome.context.waitForEvent("page"), page.click('#reports a[href$=".html"]')]);
    await report.waitForLoadState();
    assert.match(await report.content(), /25/, "the report page shows the brackets");
    await report.setViewportSize({ width: 900, height: 700 });
    await report.screenshot({ path: path.join(shots, "serve-report.png") });
    await report.close();

    // OK submits: the job identifier is reported and the page shows it as the result.
    await form.click("btnOk");
    const done = await form.dialog();
    assert.match(done.text, /\d/, "the job identifier is reported");
    await form.answer("OK");
    await page.waitForSelector("#result #job", { timeout: 15000 });
    const shownId = (await page.textContent("#job")).trim();
    await served.waitFor(l => l.result, "result");
    const result = resultOf(served.lines);
    assert.equal(result.code, 1, "submitted");
    assert.equal(jobId(result), shownId, "the page shows the job identifier");
    const servedJob = jobOf(served.lines, shownId);

    // The same actions as a scenario store the same job.
    const scenarioFile = path.join(home, "same-actions.json");
    fs.writeFileSync(scenarioFile, JSON.stringify(sameActionsAsScenario));
    const scripted = run(tempFolder("hemr07-run-"), scenarioFile);
    const scriptedJob = jobOf(scripted, jobId(resultOf(scripted)));
    assert.deepEqual(withoutMoments(scriptedJob.conditions), withoutMoments(servedJob.conditions), "the scenario stores the job the page stored");

    // The recording replays to the same transcript.
    const recorded = await (await page.request.get(served.address + "scenario.json")).json();
    const recordedFile = path.join(home, "recorded.json");
    fs.writeFileSync(recordedFile, JSON.stringify(recorded, null, 2));
    const replayHome = tempFolder("hemr07-replay-");
    const replay = run(replayHome, recordedFile);
    const normal = lines => withoutMoments(JSON.parse(JSON.stringify(lines.filter(l => !l.serve)).split(home).join("HOME")
      .split(replayHome).join("HOME")));
    assert.deepEqual(normal(replay), normal(served.lines), "the recording replays to the served transcript");
    fs.writeFileSync(path.join(shots, "recorded.json"), JSON.stringify(recorded, null, 2));
  } finally {
    await chrome.close();
    await served.stop();
  }
});

test("a double click on a row of the lookup window answers it with that row", async () => {
  const served = await serve(tempFolder("hemr07-dblclick-"));
  const chrome = await browser();
  try {
    const form = new FormPage(await chrome.context.newPage());
    await form.page.goto(served.address);
    await form.window("frmHemr07");
    await form.clickPart("sp01", ".edit", 0);
    await form.press("F2");
    await form.window("frmF2Lookup");
    await form.page.locator('.win.top [data-name="lvRows"] .row').nth(1).dblclick();
    await form.idle();
    await form.window("frmHemr07");
    assert.equal((await form.page.locator('.win.top [data-name="sp01"] .edit').first().textContent()).trim(), "02",
                 "the second company is in the begin edit");
    const recorded = await (await form.page.request.get(served.address + "scenario.json")).json();
    assert.ok(recorded.steps.some(s => s.dblclick && s.dblclick.control === "lvRows"), "the double click is recorded");
  } finally {
    await chrome.close();
    await served.stop();
  }
});
