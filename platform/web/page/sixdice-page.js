// The game's page: reads manifest.json, starts the game on the canvas, fetches its data files
// with progress, keeps the canvas enlarged with sharp pixels and shows the farewell page state.
// SPDX-FileCopyrightText: 2026 The Six Dice authors
// SPDX-License-Identifier: GPL-3.0-or-later
"use strict";

(function () {
    const canvas = document.getElementById("canvas");
    const farewell = document.getElementById("farewell");

    // Every name the game or the page asks for is looked up here; the served folder may give the
    // files other (content-hashed) names.
    let manifest = { files: {}, scripts: {} };

    function urlOf(name) {
        const entry = manifest.files[name];
        return entry ? new URL(entry.url, document.baseURI).href : null;
    }

    // Fetches data files into the game's file system, counting the bytes as they arrive. A file
    // already here or on its way is not asked for twice. A failed fetch writes nothing, so the
    // game's reader finds the file missing and says so naming it.
    const files = {
        state: new Map(), // name -> { status: "loading" | "done" | "failed", loaded, expected }

        begin(names, store) {
            for (const name of names) {
                if (this.state.has(name)) {
                    continue;
                }
                const entry = manifest.files[name];
                const file = { status: "loading", loaded: 0, expected: entry ? entry.bytes : 0 };
                this.state.set(name, file);
                this.fetchOne(name, entry, file, store);
            }
        },

        async fetchOne(name, entry, file, store) {
            try {
                if (!entry) {
                    throw new Error("not in manifest.json");
                }
                const response = await fetch(urlOf(name));
                if (!response.ok) {
                    throw new Error("HTTP " + response.status);
                }
                const parts = [];
                const reader = response.body.getReader();
                for (;;) {
                    const { done, value } = await reader.read();
                    if (done) {
                        break;
                    }
                    parts.push(value);
                    file.loaded += value.length;
                }
                const bytes = new Uint8Array(file.loaded);
                let at = 0;
                for (const part of parts) {
                    bytes.set(part, at);
                    at += part.length;
                }
                store(name, bytes);
                file.status = "done";
            } catch (error) {
                console.warn("Six Dice: " + name + " could not be fetched (" + error.message + ")");
                file.status = "failed";
            } finally {
                // The bar reaches its end even when a file came shorter than announced.
                file.expected = Math.max(file.expected, file.loaded);
                file.loaded = file.expected;
            }
        },

        // Of the named files: how many are still on their way, and the bytes loaded and expected.
        progress(names) {
            let pending = 0;
            let loaded = 0;
            let expected = 0;
            for (const name of names) {
                const file = this.state.get(name);
                if (!file) {
                    continue;
                }
                pending += file.status === "loading" ? 1 : 0;
                loaded += file.loaded;
                expected += file.expected;
            }
            return [pending, loaded, expected];
        },
    };

    // The canvas shown at a whole multiple of its pixels on the device's own pixels: the largest
    // that fits the window, at least one.
    function fitCanvas() {
        const ratio = window.devicePixelRatio || 1;
        const width = canvas.width;
        const height = canvas.height;
        const roomX = Math.max(1, document.documentElement.clientWidth) * ratio;
        const roomY = Math.max(1, document.documentElement.clientHeight) * ratio;
        const scale = Math.max(1, Math.floor(Math.min(roomX / width, roomY / height)));
        canvas.style.width = (width * scale) / ratio + "px";
        canvas.style.height = (height * scale) / ratio + "px";
    }

    function watchCanvasSize() {
        new MutationObserver(fitCanvas).observe(canvas, {
            attributes: true,
            attributeFilter: ["width", "height"],
        });
        window.addEventListener("resize", fitCanvas);
        fitCanvas();
    }

    // Browsers start sound only after the player's first gesture; the game's audio context is
    // resumed then, and the music that was waiting for it starts. A context the game put to rest
    // in silence stays so: the game wakes it for its next sound.
    function resumeAudioOnGesture(module) {
        const resume = () => {
            const sdl = module.SDL2;
            const wanted = module.sixdiceAudioWanted !== false;
            if (wanted && sdl && sdl.audioContext && sdl.audioContext.state === "suspended") {
                sdl.audioContext.resume();
            }
        };
        for (const kind of ["pointerdown", "keydown", "touchend"]) {
            window.addEventListener(kind, resume, { capture: true });
        }
    }

    function openDocument(address) {
        const local = urlOf(address);
        if (local) {
            window.open(local, "_blank", "noopener");
        } else if (address.startsWith("mailto:")) {
            window.location.href = address;
        } else {
            window.open(address, "_blank", "noopener");
        }
    }

    // Text that comes without key presses (input methods, on-screen keyboards, a test's
    // Input.insertText) lands in the hidden text box and goes on to the game; text from key
    // presses reaches the game as key presses and is not taken twice.
    function forwardInputMethodText(module) {
        const box = document.getElementById("text-input");
        let keyTyped = false;
        window.addEventListener("keydown", () => { keyTyped = false; }, true);
        window.addEventListener("keypress", () => { keyTyped = true; }, true);
        // The game is usually asleep in its wait when text comes: a plain call of its export
        // with a string of its own heap leaves that wait alone (ccall would take the sleep for
        // one of this call's and hold on to its stack space until the game ends).
        const forward = (text) => {
            if (text && module.calledRun) {
                const utf8 = module.allocateUTF8(text);
                try {
                    module._sixdice_text_input(utf8);
                } finally {
                    module._free(utf8);
                }
            }
        };
        box.addEventListener("beforeinput", (event) => {
            // A composition is finished by the input method first; its result comes at its end.
            if (event.inputType === "insertCompositionText") {
                return;
            }
            event.preventDefault();
            if (!keyTyped && event.inputType.startsWith("insert")) {
                forward(event.data ?? (event.dataTransfer ? event.dataTransfer.getData("text/plain") : ""));
            }
            keyTyped = false;
        });
        box.addEventListener("compositionend", (event) => {
            forward(event.data);
            box.value = "";
        });
        const focus = () => box.focus({ preventScroll: true });
        canvas.addEventListener("pointerdown", focus);
        window.addEventListener("focus", focus);
        focus();
    }

    // After the farewell: the canvas goes and a plain line invites another game.
    function showFarewell(language) {
        const czech = language === "CZ";
        document.documentElement.lang = czech ? "cs" : "en";
        document.getElementById("farewell-text").textContent = czech
            ? "Díky za hru!"
            : "Thanks for playing!";
        const again = document.getElementById("play-again");
        again.textContent = czech ? "Hrát znovu" : "Play again";
        again.href = window.location.href;
        canvas.hidden = true;
        farewell.hidden = false;
    }

    async function start() {
        try {
            const response = await fetch("manifest.json", { cache: "no-cache" });
            if (!response.ok) {
                throw new Error("HTTP " + response.status);
            }
            manifest = await response.json();
        } catch (error) {
            console.warn("Six Dice: manifest.json could not be read (" + error.message + ")");
        }
        const module = {
            canvas: canvas,
            arguments: [
                "--query=" + window.location.search,
                "--languages=" + (navigator.languages || [navigator.language || ""]).join(","),
                "--origin=" + window.location.origin,
            ],
            locateFile: (path) => {
                const url = manifest.scripts[path];
                return url ? new URL(url, document.baseURI).href : path;
            },
            print: (text) => console.log(text),
            printErr: (text) => console.warn(text),
            sixdiceFiles: files,
            sixdiceOpen: openDocument,
            sixdiceFarewell: showFarewell,
        };
        window.Module = module;
        watchCanvasSize();
        resumeAudioOnGesture(module);
        forwardInputMethodText(module);
        canvas.addEventListener("contextmenu", (event) => event.preventDefault());
        const script = document.createElement("script");
        script.src = module.locateFile("sixdice.js");
        document.body.appendChild(script);
    }

    start();
})();
