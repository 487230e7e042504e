#pragma once

#include <QWidget>

// The colouring window: the program's one long-lived window, shown over the
// whole screen. Its canvas, palette and buttons arrive with the colouring code.
class FrmMain : public QWidget {
    Q_OBJECT

public:
    explicit FrmMain(const QString &programFolder, QWidget *parent = nullptr);

    // The data root every path of this run is built from.
    const QString &programFolder() const { return m_programFolder; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_programFolder;
};
