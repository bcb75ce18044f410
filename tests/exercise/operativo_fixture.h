// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "banks/algoritmi1.h"
#include "banks/algoritmi2.h"
#include "exercise/operativo_model.h"
#include "state/drill_state.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace sd::test {

// Draws the question numbers a test asks for, in order; once the list is used up, the first free
// one.
class WantedNumbers final : public RandomSource {
  public:
    explicit WantedNumbers(const DrillState& state) : state_(state) {}
    std::deque<int> wanted;
    int calls = 0;
    int below(int bound) override {
        ++calls;
        if (wanted.empty()) return 0;
        const int number = wanted.front();
        wanted.pop_front();
        const auto rows = state_.exerciseKind == 1 ? Algoritmi1::rows() : Algoritmi2::rows();
        int index = 0;
        for (const QuestionRow& row : rows) {
            if (row.number == number) break;
            if (!state_.isUsed(row.number)) ++index;
        }
        EXPECT_LT(index, bound) << "question " << number << " is not free";
        return index;
    }

  private:
    const DrillState& state_;
};

class OperativoTest : public ::testing::Test {
  protected:
    DrillState state;
    FakeClock clock;
    WantedNumbers random{state};
    std::unique_ptr<OperativoModel> model;
    int closeRequests = 0;
    int printRequests = 0;

    void open(int kind, std::initializer_list<int> numbers = {}) {
        state.exerciseKind = static_cast<int16_t>(kind);
        random.wanted.insert(random.wanted.end(), numbers.begin(), numbers.end());
        model = std::make_unique<OperativoModel>(state, clock, random);
        QObject::connect(model.get(), &OperativoModel::closeRequested, [this] { ++closeRequests; });
        QObject::connect(model.get(), &OperativoModel::printWindowRequested,
                         [this] { ++printRequests; });
        model->load();
    }

    const ExerciseView& view() const { return model->view(); }
    Focus focus() const { return model->focus(); }

    // Presses the answer key with this caption, then "verifica", with the mouse.
    void answer(const QString& caption) {
        model->keypadMousePress(keyWithCaption(caption));
        model->keypadMouseRelease(keyWithCaption(caption));
        model->keypadMousePress(kKeyVerifica);
        model->keypadMouseRelease(kKeyVerifica);
    }

    int keyWithCaption(const QString& caption) const {
        for (int key = 0; key < kAnswerKeyCount; ++key)
            if (view().keyCaptions[static_cast<size_t>(key)] == caption) return key;
        ADD_FAILURE() << "no key " << caption.toStdString();
        return 0;
    }

    QString record(int line) const { return state.exerciseRecord[static_cast<size_t>(line)]; }
};

inline Focus keyFocus(int index) {
    return {FocusArea::Keypad, index};
}
inline Focus avvisoFocus(int index) {
    return {FocusArea::Avviso, index};
}

}  // namespace sd::test
