#include "unit/DecodeUnitCopy.h"

#include <string>

#include "tree/MemoryTree.h"
#include "unit/DecodeUnitImage.h"
#include "unit/UnitImageLayout.h"

namespace {

// Answers the unit model question with a fixed model and passes messages on
// to `inner`, when there is one.
class FixedModelPrompter : public Prompter {
public:
    FixedModelPrompter(Prompter* inner, int rows) : m_pInner(inner), m_nRows(rows) {}

    PromptAnswer Message(const std::string& text, PromptButtons buttons, PromptIcon icon,
                         const std::string& caption) override {
        return m_pInner ? m_pInner->Message(text, buttons, icon, caption) : PromptAnswer::Ok;
    }
    void SetStatusText(const std::string& text) override {
        if (m_pInner) m_pInner->SetStatusText(text);
    }
    void SetTransferLine(const std::string& line, const std::string& elapsed) override {
        if (m_pInner) m_pInner->SetTransferLine(line, elapsed);
    }
    void SetProgress(int percent) override {
        if (m_pInner) m_pInner->SetProgress(percent);
    }
    void Pump() override {
        if (m_pInner) m_pInner->Pump();
    }
    bool AskUnitModel(bool, UnitModelAnswer& answer) override {
        answer.m_nRows = m_nRows;
        return true;
    }
    bool ChooseFile(FileChoice, std::string&) override { return false; }

private:
    Prompter* m_pInner;
    int m_nRows;
};

}  // namespace

bool DecodeUnitCopy(std::span<const uint8_t> image, const CZRTProDoc& model, CZRTProDoc& copy,
                    Prompter* shown) {
    CZRTProDoc decoded = model;
    MemoryTree tree;
    FixedModelPrompter prompter(shown, model.m_nPortCount > 4 ? 2 : 1);
    std::string password;
    if (!DecodeUnitImage(image, decoded, tree, prompter, password)) return false;
    copy = std::move(decoded);
    return true;
}

bool DecodeUnitImageAs(std::span<const uint8_t> image, int ports, CZRTProDoc& doc, TreeSink& tree,
                       Prompter& prompter, std::string& unitPassword) {
    FixedModelPrompter fixed(&prompter, ports > 4 ? 2 : 1);
    return DecodeUnitImage(image, doc, tree, fixed, unitPassword);
}

bool IsErasedImage(std::span<const uint8_t> image) {
    for (size_t a = 0; a < image.size(); ++a)
        if (image[a] != UnitImage::kErased && a != UnitImage::kSwitches) return false;
    return true;
}
