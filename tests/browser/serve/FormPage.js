// The served page as a person uses it: real mouse clicks and key presses
// through Chromium, waiting until the server has answered each of them.
"use strict";

class FormPage {
  constructor(page) { this.page = page; }

  async idle() {
    await this.page.waitForFunction(() => window.hemrIdle && window.hemrIdle());
  }
  async window(name) {
    return this.page.waitForSelector(`.win.top[data-window="${name}"]`, { timeout: 15000 });
  }
  // The element drawing control `name` in the window on top.
  control(name) { return this.page.locator(`.win.top [data-name="${name}"]`).first(); }
  async click(name, position) {
    await this.control(name).click(position ? { position } : {});
    await this.idle();
  }
  // A part of control `name` that has no name of its own, e.g. the begin edit of a selection panel.
  async clickPart(name, selector, index = 0) {
    await this.page.locator(`.win.top [data-name="${name}"] ${selector}`).nth(index).click();
    await this.idle();
  }
  async press(...keys) {
    for (const key of keys) await this.page.keyboard.press(key);
    await this.idle();
  }
  async type(text) {
    await this.page.keyboard.type(text);
    await this.idle();
  }
  async dialog() {
    const d = await this.page.waitForSelector(".win.dialog", { timeout: 15000 });
    return { caption: await d.$eval(".title", e => e.textContent), text: await d.$eval(".msg > span:last-child", e => e.textContent.trim()) };
  }
  async answer(button) {
    await this.page.click(`.win.dialog [data-answer="${button}"]`);
    await this.idle();
  }
  async text(name) {
    return this.control(name).evaluate(e => e.textContent);
  }
  async version() { return Number(await this.page.evaluate(() => document.body.dataset.version || 0)); }
  async shoot(file) { await this.page.screenshot({ path: file }); }
}

module.exports = { FormPage };
