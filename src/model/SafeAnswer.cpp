#include "model/Prompter.h"

PromptAnswer SafeAnswer(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::OkCancel:
        case PromptButtons::YesNoCancel:
            return PromptAnswer::Cancel;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
        case PromptButtons::RecoverDiscard:
            return PromptAnswer::Yes;
    }
    return PromptAnswer::Cancel;
}
