// Answers each message box of the Qt host as it comes and keeps its text, so that no test
// waits on one.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <string>
#include <vector>

namespace velmar::testing {

class MessageAnswerer {
public:
    // `answer` where the box offers it (Yes to a question), OK otherwise.
    explicit MessageAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages.push_back(box->text().toStdString());
                box->done(box->standardButtons().testFlag(answer) ? answer : QMessageBox::Ok);
            }
        });
        timer_.start(20);
    }
    std::vector<std::string> messages;

private:
    QTimer timer_;
};

}  // namespace velmar::testing
