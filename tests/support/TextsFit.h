// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the texts of a window or a screen are readable whole, measured
// with the fonts they are drawn in: every caption and button as wide as its
// text, inside its container and the window, over no other; a wrapped text
// with room for all its lines. And which text comes nearest its limit.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

namespace zorbil::test {

// The text a control shows, without the accelerator marks.
inline QString Shown(const QString& text)
{
    QString shown = text;
    return shown.replace("&&", "\x01").remove('&').replace('\x01', '&');
}

struct TextsFit {
    QStringList faults;
    // The text that fills its place the most, and how much: needed / room.
    QString tightest;
    double tightestShare = 0;

    explicit TextsFit(QWidget* window) { Check(window); }

private:
    void Note(const QString& text, int needed, int room)
    {
        if (room > 0 && double(needed) / room > tightestShare) {
            tightestShare = double(needed) / room;
            tightest = QString("\"%1\" %2 of %3 px").arg(Shown(text)).arg(needed).arg(room);
        }
    }

    // A control by its text, or by its name when it shows none.
    static QString Named(QWidget* control)
    {
        const QString text = Shown(control->property("text").toString());
        return text.isEmpty() ? control->objectName() : "\"" + text + "\"";
    }

    // The room a check box or radio button leaves its caption.
    static int CaptionRoom(QAbstractButton* button)
    {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = button->inherits("QRadioButton");
        const int indicator = button->style()->pixelMetric(
            radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, &option, button);
        const int spacing = button->style()->pixelMetric(
            radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, &option, button);
        return button->width() - indicator - spacing;
    }

    void Check(QWidget* window)
    {
        const auto where = [window](QWidget* w) { return window->objectName() + "/" + w->objectName(); };
        const auto inside = [window](QWidget* w) {
            const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
            const QRect parent(w->parentWidget()->mapTo(window, QPoint(0, 0)), w->parentWidget()->size());
            return window->rect().contains(r) && parent.contains(r);
        };
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(window) || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            if (!inside(label))
                faults << where(label) + " \"" + label->text() + "\" leaves its place";
            // A label sized to its own text fills it whatever the language:
            // only a designed place says how full a text makes it.
            const bool ownSize = label->wordWrap() ? label->height() == label->heightForWidth(label->width())
                                                   : label->width() == label->sizeHint().width();
            if (label->wordWrap()) {
                const int needed = label->heightForWidth(label->width());
                if (!ownSize)
                    Note(label->text().left(40) + "...", needed, label->height());
                if (needed > label->height())
                    faults << where(label) + " cuts lines of \"" + label->text() + "\"";
                continue;
            }
            const int needed = label->fontMetrics().horizontalAdvance(Shown(label->text()));
            if (!ownSize)
                Note(label->text(), needed, label->contentsRect().width());
            if (label->contentsRect().width() < needed)
                faults << QString("%1 \"%2\" is %3 px wide for %4 px of text")
                              .arg(where(label), label->text())
                              .arg(label->contentsRect().width())
                              .arg(needed);
            if (label->contentsRect().height() < label->fontMetrics().height())
                faults << where(label) + " is too low for its text";
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(window) || button->text().isEmpty())
                continue;
            const int needed = button->fontMetrics().horizontalAdvance(Shown(button->text()));
            const bool box = button->inherits("QCheckBox") || button->inherits("QRadioButton");
            const int room = box ? CaptionRoom(button) : button->width();
            Note(button->text(), needed, room);
            if (needed > room)
                faults << QString("%1 clips \"%2\": %3 px of text in %4").arg(where(button), button->text())
                              .arg(needed).arg(room);
            if (!inside(button))
                faults << where(button) + " \"" + button->text() + "\" leaves its place";
        }
        // No caption, button or box lies over another, in the window or on
        // any page or frame within it.
        QList<QWidget*> parents = window->findChildren<QWidget*>();
        parents << window;
        for (QWidget* parent : parents) {
            QList<QWidget*> controls;
            for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                auto* label = qobject_cast<QLabel*>(w);
                if (w->isVisibleTo(window) &&
                    ((label && !label->text().isEmpty()) || qobject_cast<QAbstractButton*>(w)))
                    controls << w;
            }
            for (int i = 0; i < controls.size(); ++i)
                for (int j = i + 1; j < controls.size(); ++j)
                    if (controls[i]->geometry().intersects(controls[j]->geometry()))
                        faults << QString("%1 lies over %2").arg(Named(controls[i]), Named(controls[j]));
        }
    }
};

// The accelerator letters of a window's buttons, lower case; a letter given
// twice is a fault.
inline QStringList RepeatedAccelerators(QWidget* window)
{
    QStringList seen, repeated;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const QString text = QString(button->text()).replace("&&", "");
        const qsizetype at = text.indexOf('&');
        if (at < 0 || at + 1 >= text.size())
            continue;
        const QString letter = text.mid(at + 1, 1).toLower();
        if (seen.contains(letter))
            repeated << QString("\"%1\" repeats %2").arg(Shown(button->text()), letter);
        seen << letter;
    }
    return repeated;
}

}  // namespace zorbil::test
