// SPDX-License-Identifier: GPL-3.0-or-later
// A shown game-window stand-in of 600 x 440 (40 pixels per cell) with a
// renderer whose drawing state is set up, in a throw-away game folder.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "RenderTestSupport.h"
#include "config/GameFolder.h"
#include "game/GameState.h"
#include "render/GLThread.h"
#include "render/mwGL.h"
#include "support/TempGameFolder.h"

namespace zorbil::test {

class SceneFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp();
        ResetProgramState();
        SetGameFolder(folder.str());
        CreateLog(folder.str());
        form = std::make_unique<TCGForm>();
        form->resize(600, 440);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        renderer = std::make_unique<TWRenderer>(
            *form,
            [this] {
                ++selections;
                return texture;
            },
            [this](const std::string& message) { boxes.push_back(message); });
        renderer->SetupScene();
    }

    void TearDown() override
    {
        renderer.reset();
        form.reset();
    }

    QImage Frame()
    {
        renderer->DrawScene();
        return test::ReadFrame(*form);
    }

    void Signal() { folder.write("/Data/Temp.dat", ""); }

    TempGameFolder folder;
    std::unique_ptr<TCGForm> form;
    std::unique_ptr<TWRenderer> renderer;
    std::string texture;  // what TexList has selected
    int selections = 0;
    std::vector<std::string> boxes;
};

}  // namespace zorbil::test
