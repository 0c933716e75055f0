#pragma once

#include <string_view>

// The sentences a picture carries besides its labels: the lead line and the
// explanation of a one-point advice, and the reason (null where the picture's
// second label gives it) and the three steps of a connect error. The
// generator draws them; the dialogs that show the pictures read them out to
// assistive technology. Plain C++: UTF-8 text, no Qt.
struct PictureSentences {
    static constexpr int kMaxLines = 3;
    int id = 0;
    const char* lead = nullptr;
    const char* lines[kMaxLines] = {};
};

class CPictureTexts {
public:
    // The sentences of picture `id`; null when it carries none.
    static const PictureSentences* Find(int id);
};
