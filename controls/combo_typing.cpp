// The combo's keys: the type-ahead and Enter.
#include "controls/combo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "controls/combo_completion.h"

namespace {

// Beyond the widest item, so that its text clears the list's own frame and scroll bar.
constexpr int kDropDownMargin = 25;

} // namespace

bool Combo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cb->lineEdit() && event->type() == QEvent::MouseButtonPress && m_cb->lineEdit()->isReadOnly()) {
        OpenList();
        return true;
    }
    if (watched != m_cb)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress)
        m_clickRaised = false;
    if (event->type() == QEvent::KeyPress) {
        m_clickRaised = false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            EnterPressed();
        Q_EMIT KeyDown(key->key(), key->modifiers());
    }
    return false;
}

void Combo::EnterPressed()
{
    const QString text = m_cb->currentText();
    if (!m_autoComplete || text.isEmpty() || m_cb->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) != -1)
        return;
    AddItem(text);
    const QFontMetrics metrics(m_cb->view()->font());
    int widest = 0;
    for (int i = 0; i < m_cb->count(); ++i)
        widest = qMax(widest, metrics.horizontalAdvance(m_cb->itemText(i)));
    m_dropDownWidth = widest + kDropDownMargin;
    m_cb->view()->setMinimumWidth(m_dropDownWidth);
}

void Combo::TextChanged(const QString &text)
{
    if (!m_autoComplete)
        return;
    QStringList items;
    for (int i = 0; i < m_cb->count(); ++i)
        items << m_cb->itemText(i);
    const CompletionStep step = CompleteTyping(text, m_tag, items);
    if (!step.replace) {
        m_tag = step.tag;
        return;
    }
    // The box draws once, with the completed text and its selection.
    m_cb->setUpdatesEnabled(false);
    m_tag = QString::fromLatin1(kCompletionMarker);
    m_cb->lineEdit()->setText(step.text);
    m_tag = step.tag;
    m_cb->lineEdit()->setSelection(step.selectionStart, step.selectionLength);
    m_cb->setUpdatesEnabled(true);
}
