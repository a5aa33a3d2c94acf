#pragma once

#include <QWidget>

// The colour key at the foot of every page: "Key:" and the four pictures of
// the Arch Number categories with their names.
class CKeyStrip : public QWidget {
    Q_OBJECT
public:
    explicit CKeyStrip(QWidget* parent = nullptr);
};
