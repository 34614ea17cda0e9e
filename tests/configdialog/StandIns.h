// SPDX-License-Identifier: GPL-3.0-or-later
// Small stand-ins for the parts the dialog hands over to: a sound library
// that records the set-up calls, a game window with the two sound boxes, and
// a watcher that answers the modal boxes the dialog shows.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "audio/GameSound.h"
#include "audio/SoundLibrary.h"

namespace zorbil::test {

class RecordingSoundLibrary : public SoundLibrary {
public:
    QStringList calls;

    void SetOutput(int outputType) override { calls << QString("SetOutput(%1)").arg(outputType); }
    void SetMixer(int mixerType) override { calls << QString("SetMixer(%1)").arg(mixerType); }
    void SetDriver(int driver) override { calls << QString("SetDriver(%1)").arg(driver); }
    bool Init(int mixRate, int maxChannels, unsigned flags) override
    {
        calls << QString("Init(%1,%2,%3)").arg(mixRate).arg(maxChannels).arg(flags);
        return true;
    }
    void SetSFXMasterVolume(int volume) override { calls << QString("SetSFXMasterVolume(%1)").arg(volume); }
    Handle StreamOpenFile(const std::string&, unsigned, int) override { return 0; }
    void StreamPlay(int, Handle) override {}
    void StreamStop(Handle) override {}
    Handle LoadSong(const std::string&) override { return 0; }
    void PlaySong(Handle) override {}
    void StopSong(Handle) override {}
};

class StandInGameWindow : public QWidget, public SoundSwitches {
public:
    StandInGameWindow() : SonAct(new QCheckBox(this)), MusicAct(new QCheckBox(this))
    {
        SonAct->setChecked(true);
        MusicAct->setChecked(true);
    }
    bool EffectsOn() const override { return SonAct->isChecked(); }
    bool MusicOn() const override { return MusicAct->isChecked(); }
    std::string SelectedMusic() const override { return {}; }
    void GreyAndClear() override
    {
        MusicAct->setEnabled(false);
        SonAct->setEnabled(false);
        MusicAct->setChecked(false);
        SonAct->setChecked(false);
    }

    QCheckBox* SonAct;
    QCheckBox* MusicAct;
};

// Records every message box shown while it lives and presses the button
// whose caption is `answer` (the first button when none matches).
class MessageBoxWatcher : public QObject {
public:
    struct Box {
        QString title;
        QString text;
        QStringList buttons;
    };

    explicit MessageBoxWatcher(QString answer = {}) : answer_(std::move(answer)) { qApp->installEventFilter(this); }
    ~MessageBoxWatcher() override { qApp->removeEventFilter(this); }

    QList<Box> boxes;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(object);
        if (!box || event->type() != QEvent::Show)
            return false;
        Box seen{box->windowTitle(), box->text(), {}};
        QAbstractButton* chosen = box->buttons().value(0);
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            if (button->text() == answer_)
                chosen = button;
        }
        boxes << seen;
        QTimer::singleShot(0, chosen, &QAbstractButton::click);
        return false;
    }

private:
    QString answer_;
};

}  // namespace zorbil::test
