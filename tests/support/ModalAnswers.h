#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <type_traits>

// Answers modal dialogs from inside their own event loop, so that a test
// works the real dialog's controls. Each answer waits for the next showing of
// a dialog of its class; answers for one class are given in the order asked,
// one per showing: a dialog left open by its answer is not answered again
// until it has finished. Answers still waiting when a test ends are dropped.
class ModalAnswers : public QObject {
public:
    template <typename T>
    static void Add(std::function<void(T&)> answer) {
        static_assert(std::is_base_of_v<QDialog, T>);
        ModalAnswers& answers = Instance();
        answers.m_waiting.push_back([answer](QDialog& shown) {
            auto* dialog = qobject_cast<T*>(&shown);
            if (!dialog) return false;
            // Run from the dialog's event loop rather than from the poll, so
            // that a dialog the answer opens is answered in its turn.
            QTimer::singleShot(0, dialog, [dialog, answer] { answer(*dialog); });
            return true;
        });
        answers.m_timer.start();
    }

    // How many answers wait for their dialog.
    static size_t Waiting() { return Instance().m_waiting.size(); }

private:
    using Answer = std::function<bool(QDialog&)>;

    // Drops the answers a test leaves waiting, so none reaches the next test.
    class DropAtTestEnd : public ::testing::EmptyTestEventListener {
    public:
        explicit DropAtTestEnd(ModalAnswers* answers) : m_answers(answers) {}
        void OnTestEnd(const ::testing::TestInfo&) override {
            if (!m_answers) return;
            m_answers->m_waiting.clear();
            m_answers->m_timer.stop();
        }

    private:
        QPointer<ModalAnswers> m_answers;
    };

    explicit ModalAnswers(QObject* parent) : QObject(parent) {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
        ::testing::UnitTest::GetInstance()->listeners().Append(new DropAtTestEnd(this));
    }

    static ModalAnswers& Instance() {
        static QPointer<ModalAnswers> answers;
        if (!answers) answers = new ModalAnswers(qApp);
        return *answers;
    }

    void Poll() {
        static constexpr char kAnswered[] = "answeredByTest";
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || dialog->property(kAnswered).toBool()) return;
        for (auto answer = m_waiting.begin(); answer != m_waiting.end(); ++answer) {
            if (!(*answer)(*dialog)) continue;
            m_waiting.erase(answer);
            dialog->setProperty(kAnswered, true);
            connect(
                dialog, &QDialog::finished, dialog,
                [dialog] { dialog->setProperty(kAnswered, false); }, Qt::SingleShotConnection);
            break;
        }
        if (m_waiting.empty()) m_timer.stop();
    }

    std::deque<Answer> m_waiting;
    QTimer m_timer;
};

// Answers the next showing of a modal dialog of class T (see ModalAnswers).
template <typename T>
void WhenShown(std::function<void(T&)> answer) {
    ModalAnswers::Add<T>(std::move(answer));
}
