#pragma once

// Small helpers the views of the scenario-file and Tools windows share to build their forms:
// widgets named after the core controls they show, and buttons that never act as a dialog's
// default (Enter belongs to the list or field that has the focus).

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>

namespace vantrel::desktop::forms {

template <typename W> W* named(const char* objectName, W* widget) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

inline QPushButton* button(const char* objectName) {
    auto* b = named(objectName, new QPushButton);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

inline QLabel* label(const char* objectName) {
    auto* l = named(objectName, new QLabel);
    l->setWordWrap(true);
    return l;
}

// A read-only description box.
inline QPlainTextEdit* descriptionBox(const char* objectName, bool readOnly = true) {
    auto* box = named(objectName, new QPlainTextEdit);
    box->setReadOnly(readOnly);
    box->setTabChangesFocus(true);
    box->setMinimumHeight(70);
    return box;
}

inline QListWidget* list(const char* objectName, int minWidth, int minHeight) {
    auto* l = named(objectName, new QListWidget);
    l->setMinimumSize(minWidth, minHeight);
    return l;
}

// A label above the widget it names, the widget taking the spare height.
inline QVBoxLayout* captioned(const char* labelName, QWidget* widget) {
    auto* column = new QVBoxLayout;
    column->addWidget(label(labelName));
    column->addWidget(widget, 1);
    return column;
}

// The row of a window's two buttons, kept to the right.
inline QHBoxLayout* buttonRow(const char* first, const char* second) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button(first));
    row->addWidget(button(second));
    return row;
}

} // namespace vantrel::desktop::forms
