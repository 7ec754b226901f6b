// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Under node, for the smoke test only: stand-ins for the browser's Web Audio API, document and
// navigator, just enough for SDL's Emscripten parts to start and open an output (nothing is ever
// played), so the mixer's decoding runs as it does in a page.
if (typeof AudioContext === "undefined") {
    globalThis.AudioContext = class {
        constructor() {
            this.sampleRate = 44100;
            this.currentTime = 0;
            this.state = "running";
            this.destination = {};
        }
        createScriptProcessor(bufferSize) {
            return {bufferSize, onaudioprocess: null, connect() {}, disconnect() {}};
        }
        resume() { return Promise.resolve(); }
        suspend() { return Promise.resolve(); }
        close() { return Promise.resolve(); }
    };
}
if (typeof document === "undefined") {
    globalThis.document = {
        getElementById() { return null; },
        addEventListener() {},
        removeEventListener() {},
    };
}
if (typeof navigator === "undefined") {
    globalThis.navigator = {userAgent: "node", language: "en", languages: ["en"]};
}
