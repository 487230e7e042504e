// The combo's list and its properties.
#include "controls/combo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImageReader>
#include <QLineEdit>

#include "controls/combo_drop_button.h"
#include "core/limits.h"

namespace {

QImage ReadFace(const QString &path)
{
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAllocationLimit(kFaceAllocationLimitMb);
    reader.setAutoTransform(true);
    return reader.read();
}

// Runs a list change without raising Click: only selections raise it.
class QuietChange {
public:
    explicit QuietChange(bool &quiet) : m_quiet(quiet), m_was(quiet) { m_quiet = true; }
    ~QuietChange() { m_quiet = m_was; }

private:
    bool &m_quiet;
    bool m_was;
};

} // namespace

Combo::Combo(QWidget *parent) : QWidget(parent)
{
    m_clip = new QWidget(this);
    m_cb = new QComboBox(m_clip);
    m_cb->setEditable(true);
    m_cb->setFrame(false);
    m_cb->setCompleter(nullptr);           // the combo's own completion, when on
    m_cb->setInsertPolicy(QComboBox::NoInsert); // Enter adds only through the completion
    m_cb->installEventFilter(this);
    m_pD = new ComboDropButton(this);
    connect(m_pD, &ComboDropButton::Clicked, this, &Combo::OpenList);
    connect(m_cb, &QComboBox::currentIndexChanged, this, &Combo::SelectionChanged);
    connect(m_cb, &QComboBox::activated, this, &Combo::Activated);
    connect(m_cb, &QComboBox::editTextChanged, this, &Combo::TextChanged);
    setFocusProxy(m_cb);
    LayOut();
}

void Combo::AutoComplete(bool on)
{
    m_autoComplete = on;
}

void Combo::SetFont(const QString &name, int size, bool bold, bool italic, bool underline, bool strikethrough)
{
    QFont font = m_cb->font();
    font.setFamily(name);
    if (size > 0)
        font.setPointSize(size);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikethrough);
    m_cb->setFont(font);
    m_cb->view()->setFont(font);
    updateGeometry();
    LayOut();
}

void Combo::RemoveItem(int index)
{
    QuietChange quiet(m_quiet);
    const bool selected = index == m_cb->currentIndex();
    m_cb->removeItem(index);
    // The box would move on to the next item by itself; a removed selection leaves none.
    if (selected)
        m_cb->setCurrentIndex(-1);
}

int Combo::ListCount() const
{
    return m_cb->count();
}

void Combo::Clear()
{
    QuietChange quiet(m_quiet);
    m_cb->clear();
}

void Combo::AddItem(const QString &item, int index)
{
    QuietChange quiet(m_quiet);
    const bool wasEmpty = m_cb->count() == 0;
    m_cb->insertItem(index == -1 ? m_cb->count() : index, item);
    // The box selects the first item of an empty list by itself; adding selects nothing.
    if (wasEmpty)
        m_cb->setCurrentIndex(-1);
}

QString Combo::List(int index) const
{
    return m_cb->itemText(index);
}

void Combo::SetPictures(const QString &up, const QString &down)
{
    m_pD->SetFaces(ReadFace(up), ReadFace(down));
    LayOut();
}

QString Combo::ListIndex() const
{
    return QString::number(m_cb->currentIndex());
}

void Combo::SetListIndex(const QString &index)
{
    bool number = false;
    const int wanted = index.trimmed().toInt(&number);
    if (!number || wanted < -1 || wanted >= m_cb->count())
        return;
    if (wanted == m_cb->currentIndex())
        Q_EMIT Click(); // selecting the selected item again still counts as a selection
    else
        m_cb->setCurrentIndex(wanted);
}

QString Combo::Text() const
{
    return m_cb->currentText();
}

void Combo::SetText(const QString &text)
{
    m_cb->setEditText(text);
}

QColor Combo::BackColor() const
{
    return m_cb->palette().color(QPalette::Base);
}

void Combo::SetBackColor(const QColor &colour)
{
    QPalette colours = m_cb->palette();
    colours.setColor(QPalette::Base, colour);
    m_cb->setPalette(colours);
    m_cb->lineEdit()->setPalette(colours);
    update();
}

void Combo::SetTextLocked(bool locked)
{
    m_cb->lineEdit()->setReadOnly(locked);
    m_cb->lineEdit()->installEventFilter(this); // a click on a locked text opens the list
}

QComboBox *Combo::Box() const
{
    return m_cb;
}

QWidget *Combo::DropButton() const
{
    return m_pD;
}
