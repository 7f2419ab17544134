// A clean story screen on the headless backend, for the story tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/loop.h"
#include "platform/control.h"
#include "platform/platform.h"
#include "story/story.h"
#include "testutil.h"

struct StoryFixture : ::testing::Test {
    void SetUp() override {
        headlessgame();
        resetstory();
    }
    void TearDown() override { resetstory(); }

    // Enters story n the way the fade does, and lets the fade-in finish.
    void enter(int n) {
        inststory(n);
        for (int i = 0; i < 10; i++) maintick();
    }
    // Draw calls of the last frame whose image came from a file ending in name.
    static std::vector<pf::ctl::DrawCall> calls(const std::string& name) {
        std::vector<pf::ctl::DrawCall> out;
        for (const auto& c : pf::ctl::drawcalls())
            if (c.path.size() >= name.size() && c.path.compare(c.path.size() - name.size(), name.size(), name) == 0)
                out.push_back(c);
        return out;
    }
};
