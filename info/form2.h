// The Authors window: a picture and one text label.
#pragma once

#include <QWidget>

class QLabel;

class Form2 : public QWidget
{
    Q_OBJECT
public:
    // A top-level window without an owner; it deletes itself when closed.
    explicit Form2(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;

    // Gives Label1 and the window the room that Label1's present text needs
    // in the desktop's font; they never shrink below their designed sizes.
    void fitLabel1();
};
