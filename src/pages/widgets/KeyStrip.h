#pragma once

#include <QWidget>

// The colour key at the foot of every page: "Key:" and the four pictures of
// the Arch Number categories with their names.
class KeyStrip : public QWidget {
    Q_OBJECT
public:
    explicit KeyStrip(QWidget* parent = nullptr);
};
