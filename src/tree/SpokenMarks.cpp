#include "tree/SpokenMarks.h"

#include "model/TrimText.h"
#include "tree/TreeMessages.h"
#include "tree/TreeSink.h"

std::string SpokenMarks(int image, int state) {
    std::string words = state == kStateConflict ? TreeMessages::kSpokenConflict : "";
    const char* kind = image == kImagePageable      ? TreeMessages::kSpokenAssigned
                       : image == kImageNonPageable ? TreeMessages::kSpokenNonPageable
                                                    : nullptr;
    if (kind) words += (words.empty() ? "" : ", ") + std::string(kind);
    return words;
}

std::string SpokenTreeItem(const std::string& text, int image, int state) {
    const std::string shown = TrimEnd(text, kBlanks);
    const std::string marks = SpokenMarks(image, state);
    return marks.empty() ? shown : shown + ", " + marks;
}
