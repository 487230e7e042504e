#pragma once

#include <QColor>
#include <QWidget>

class QComboBox;
class ComboDropButton;

// The program's own drop-down list: a standard combo box in a frame, opened by
// a drop button of its own, with an optional type-ahead completion. Click is
// raised once for every selection, whether the user or the program made it.
class Combo : public QWidget {
    Q_OBJECT

public:
    explicit Combo(QWidget *parent = nullptr);

    // Type-ahead: each typed character completes the text to the first item
    // that begins with it, and Enter adds a text that is not in the list yet.
    void AutoComplete(bool on);
    // A size of 0 keeps the current size.
    void SetFont(const QString &name, int size = 0, bool bold = false, bool italic = false, bool underline = false,
                 bool strikethrough = false);
    void RemoveItem(int index);
    int ListCount() const;
    void Clear();
    // -1 appends; any other index inserts there.
    void AddItem(const QString &item, int index = -1);
    QString List(int index) const;
    // The drop button's faces from files; down may be left empty. A file that
    // cannot be read leaves that face as it was.
    void SetPictures(const QString &up, const QString &down = {});
    QString ListIndex() const;                 // "-1" when none
    void SetListIndex(const QString &index);   // selects; selecting raises Click
    QString Text() const;
    void SetText(const QString &text);
    QColor BackColor() const;
    void SetBackColor(const QColor &colour);
    // Keeps the user from typing into the text: the list can only be chosen from,
    // and a click on the text opens it.
    void SetTextLocked(bool locked);

    QComboBox *Box() const;      // for tests
    QWidget *DropButton() const; // pD
    // The width the opened list was last widened to after Enter; 0 before.
    int DropDownWidth() const { return m_dropDownWidth; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void Click();
    void KeyDown(int keyCode, Qt::KeyboardModifiers shift);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LayOut();
    void OpenList();
    void TextChanged(const QString &text);
    void EnterPressed();
    void SelectionChanged();
    void Activated();

    QComboBox *m_cb = nullptr;
    QWidget *m_clip = nullptr; // shows cb without its own arrow
    ComboDropButton *m_pD = nullptr;
    QString m_tag;             // the completion's memory of the typed text
    bool m_autoComplete = false;
    bool m_clickRaised = false; // Click already raised for the change the user is making
    bool m_quiet = false;       // a list change under way: the box's own index moves raise nothing
    int m_dropDownWidth = 0;
};
