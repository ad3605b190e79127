#pragma once

// A main window of the test's own for each test function: a fresh scripted prompt, the window
// shown and active, and its driver; closing it checks that every scripted answer was used.

#include "scripted_prompt.h"
#include "window_driver.h"

#include <memory>

struct WindowSession {
    std::unique_ptr<ScriptedPrompt> script;
    std::unique_ptr<rv::TfrmMain> window;
    std::unique_ptr<WindowDriver> driver;

    // Replaces the window (if any) by a new one.
    void open() {
        driver.reset();
        window.reset();
        script = std::make_unique<ScriptedPrompt>();
        window = std::make_unique<rv::TfrmMain>(script.get());
        driver = std::make_unique<WindowDriver>(*window);
        driver->showActive();
    }

    // Closes the window without its question about unsaved changes.
    void close() {
        if (window)
            window->CaseModified = false;
        driver.reset();
        window.reset();
        QCOMPARE(script->unanswered, 0);
        script.reset();
    }
};
