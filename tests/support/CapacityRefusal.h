// A refusal at the capacity as the window meets it: the refused command is cancelled at once and
// its candidates go, which makes room the refusal itself must not count.
#pragma once

#include "document/ElementStore.h"

#include <gtest/gtest.h>

namespace vantro::testing {

class CancellingListener : public DrawingListener {
public:
    explicit CancellingListener(Drawing& drawing) : drawing_(drawing) { drawing_.Listener = this; }
    ~CancellingListener() override { drawing_.Listener = nullptr; }
    CancellingListener(const CancellingListener&) = delete;
    CancellingListener& operator=(const CancellingListener&) = delete;
    void AppendRefused() override { RemoveCandidates(drawing_); }

private:
    Drawing& drawing_;
};

// A capacity of 100 holding 99 elements and two candidates; the next candidate is refused, and the
// cancellation leaves 99 elements and room for one more.
inline void RefuseAfterTwoCandidates(Drawing& drawing)
{
    SetCapacity(drawing, 100);
    for (int i = 0; i < 99; ++i) ASSERT_TRUE(Append(drawing, true));
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(Append(drawing, false));
    drawing.CandidateCount = 2;
    ASSERT_FALSE(Append(drawing, false));
    ASSERT_EQ(drawing.Count, 99);
}

}  // namespace vantro::testing
