// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Modal questions and notices to the player. The game talks to the player only through
// this interface, so tests can answer from a script.
class MessageBoxes {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Information, Warning };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Message {
        Message(QString text_, Buttons buttons_ = Buttons::Ok, Icon icon_ = Icon::None,
                QString caption_ = {}, bool defaultNo_ = false)
            : text(std::move(text_)), buttons(buttons_), icon(icon_), caption(std::move(caption_)),
              defaultNo(defaultNo_) {}

        QString text;
        Buttons buttons;
        Icon icon;
        QString caption; // empty: the application's title
        bool defaultNo;  // Yes/No boxes whose safe answer is No
    };

    virtual ~MessageBoxes() = default;
    virtual Answer MsgBox(const Message& message) = 0;
};

// The title shown on message boxes that name no caption, and on questions.
inline const QString AppTitle = QStringLiteral("Zederoru");

// Message texts break lines with line feed then carriage return; a box shows one break.
QString displayText(const QString& text);

// A translated text writes its line breaks as line feeds; messages break lines with line feed
// then carriage return.
QString NewLines(QString text);
