#include "tree/NameRule.h"

#include <algorithm>

#include "tree/ArchRules.h"
#include "tree/TreeMessages.h"

NameProblem CheckName(const std::string& latin1) {
    if (std::any_of(latin1.begin(), latin1.end(),
                    [](char c) { return IsControlCharacter(static_cast<unsigned char>(c)); }))
        return NameProblem::ControlCharacter;
    return latin1.size() > kNameLength ? NameProblem::TooLong : NameProblem::None;
}

bool ValidateNameEntry(const std::string& latin1, Prompter& prompter) {
    switch (CheckName(latin1)) {
        case NameProblem::None:
            return true;
        case NameProblem::TooLong:
            prompter.Message(Tr("Tree", TreeMessages::kNameTooLong));
            return false;
        case NameProblem::ControlCharacter:
            prompter.Message(Tr("Tree", TreeMessages::kNameControlCharacter));
            return false;
    }
    return false;
}
