#include "tree/SpokenMarks.h"

#include "model/TrimText.h"
#include "tree/TreeMessages.h"
#include "tree/TreeSink.h"

std::string SpokenMarks(int image, int state) {
    std::string words = state == kStateConflict ? Tr("Tree", TreeMessages::kSpokenConflict) : "";
    std::string kind = image == kImagePageable      ? Tr("Tree", TreeMessages::kSpokenAssigned)
                       : image == kImageNonPageable ? Tr("Tree", TreeMessages::kSpokenNonPageable)
                                                    : std::string();
    if (!kind.empty()) words += (words.empty() ? "" : ", ") + kind;
    return words;
}

std::string SpokenTreeItem(const std::string& text, int image, int state) {
    const std::string shown = TrimEnd(text, kBlanks);
    const std::string marks = SpokenMarks(image, state);
    return marks.empty() ? shown : shown + ", " + marks;
}
