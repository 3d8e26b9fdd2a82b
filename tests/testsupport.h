// What several window tests share: an answerer for the message boxes and
// pixel counting on canvas images.
#pragma once

#include "app/form1.h"
#include "ui/messageboxes.h"

#include <QColor>
#include <QImage>
#include <QStringList>

// Answers the program's message boxes and remembers what they said.
class Recorder : public MessageBoxes
{
public:
    QStringList errors;
    int exitAsked = 0;
    bool exitAnswer = false;

    void error(QWidget *, const QString &text) override { errors << text; }
    bool confirmExit(QWidget *) override
    {
        ++exitAsked;
        return exitAnswer;
    }
};

// A main window, with a teacher's `task` if given, whose message boxes
// `boxes` answers from now on.
inline std::unique_ptr<Form1> makeForm(Recorder *&boxes, const task::Task *task = nullptr)
{
    auto recorder = std::make_unique<Recorder>();
    boxes = recorder.get();
    return std::make_unique<Form1>(std::move(recorder), task);
}

inline int countColour(const QImage &image, const QColor &c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == c;
    return n;
}

inline int redPixels(const QImage &image)
{
    return countColour(image, QColor(255, 0, 0));
}
