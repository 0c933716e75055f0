#include "resources/art/generator/CAdviceTexts.h"

#include "resources/art/CPictureTexts.h"

CAdviceTexts::Advice CAdviceTexts::For(int id) {
    const PictureSentences* sentences = CPictureTexts::Find(id);
    if (sentences == nullptr) {
        return {};
    }
    Advice advice{QString::fromUtf8(sentences->lead), {}};
    for (const char* line : sentences->lines) {
        if (line != nullptr) {
            advice.body << QString::fromUtf8(line);
        }
    }
    return advice;
}
