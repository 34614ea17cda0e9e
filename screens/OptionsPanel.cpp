// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/OptionsPanel.h"

#include <QApplication>

#include "config/GameFolder.h"
#include "config/Settings.h"
#include "controls/CaptionName.h"
#include "screens/Fonts.h"
#include "shared/DataPaths.h"

namespace zorbil {

namespace {

QSlider* MakeSpeed(QWidget* parent)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName("Speed");
    s->setRange(0, 9);
    s->setValue(5);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    return s;
}

FileList* MakeList(const char* name, const char* mask, QWidget* parent)
{
    auto* list = new FileList(mask, parent);
    list->setObjectName(name);
    list->setFont(ArialFont(16, Bold | Italic));
    QPalette p = list->palette();
    p.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0x00));
    list->setPalette(p);
    return list;
}

QCheckBox* MakeBox(const char* name, QWidget* parent)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setChecked(true);
    box->setCursor(Qt::PointingHandCursor);
    return box;
}

}  // namespace

OptionsPanel::OptionsPanel(QWidget* parent)
    : ScreenPanel(parent, "MenuOptions", QColor(0xC0, 0xC0, 0x00), "OptionsTex"),
      Speed(MakeSpeed(this)),
      TexList(MakeList("TexList", "*.pcx", this)),
      ModList(MakeList("ModList", "*.mus", this)),
      SonAct(MakeBox("SonAct", this)),
      MusicAct(MakeBox("MusicAct", this)),
      LabelWarning(AddLabel("LabelWarning",
                            tr("Choisissez une texture et / ou une musique à utiliser pendant le jeu dans les listes "
                               "ci-dessous."),
                            {8, 120, 623, 38}, AnchorLeft | AnchorTop | AnchorRight, ArialFont(16, Bold), Qt::red,
                            Qt::AlignCenter)),
      LabelVitesse(AddLabel("LabelVitesse", tr("Vitesse de Zorbil :"), {8, 120, 153, 19}, AnchorsLeftTop,
                            ArialFont(17, Bold), WindowTextColor)),
      LabelRapide(AddLabel("LabelRapide", tr("Rapide"), {264, 120, 52, 18}, AnchorsLeftTop,
                           ArialFont(16, Bold | Italic), WindowTextColor)),
      LabelLente(AddLabel("LabelLente", tr("Lente"), {592, 120, 43, 18}, AnchorTop | AnchorRight,
                          ArialFont(16, Bold | Italic), WindowTextColor)),
      LabelTexture(AddLabel("LabelTexture", tr("Texture de l'arrière-plan :"), {7, 183, 199, 19}, AnchorsLeftTop,
                            ArialFont(17, Bold), WindowTextColor)),
      LabelMod(AddLabel("LabelMod", tr("Musique de fond :"), {327, 183, 140, 19}, AnchorTop | AnchorRight,
                        ArialFont(17, Bold), WindowTextColor)),
      MenuOptionsOK(AddButton("MenuOptionsOK", tr("&Continuer"), {8, 440, 625, 30},
                              AnchorLeft | AnchorRight | AnchorBottom, WindowTextColor)),
      normalOnly_{Speed, LabelMod, LabelTexture, LabelVitesse, LabelLente, LabelRapide}
{
    //: The name of the title picture drawn in this language
    AddTitle("ImageOptions", tr("ImageOptions"), tr("Options de Jeu"), {8, 8, 625, 57});
    LabelWarning->setWordWrap(true);
    LabelWarning->hide();
    Layout->Place(Speed, {328, 116, 257, 29}, AnchorLeft | AnchorTop | AnchorRight);
    Layout->Place(TexList, {8, 244, 305, 104}, AnchorLeft | AnchorTop | AnchorBottom);
    Layout->Place(ModList, {328, 244, 305, 104}, AnchorTop | AnchorRight | AnchorBottom);
    Layout->Place(SonAct, {8, 392, 17, 17}, AnchorLeft | AnchorBottom);
    LabelSonAct = AddLabel("LabelSonAct", tr("Activer les sons"), {31, 391, 125, 19}, AnchorLeft | AnchorBottom,
                           ArialFont(17, Bold), WindowTextColor);
    // The caption may have grown to the left: its box stays just before it.
    LabelMusAct = AddLabel("LabelMusAct", tr("Activer les musiques"), {471, 391, 162, 19}, AnchorRight | AnchorBottom,
                           ArialFont(17, Bold), WindowTextColor);
    Layout->Place(MusicAct, {Layout->DesignRect(LabelMusAct).left() - 23, 392, 17, 17}, AnchorRight | AnchorBottom);
    NameForAssistiveTechnology();
    Halo = new FocusHalo(this);
    Halo->Pair(SonAct, LabelSonAct);
    Halo->Pair(MusicAct, LabelMusAct);
    Halo->LeaveAlone(MenuOptionsOK);
}

void OptionsPanel::NameForAssistiveTechnology()
{
    // The boxes, the slider and the lists show no caption of their own: each
    // is named by the one beside it, which is also its buddy.
    const std::pair<QWidget*, QLabel*> named[] = {
        {SonAct, LabelSonAct}, {MusicAct, LabelMusAct}, {Speed, LabelVitesse}, {TexList, LabelTexture},
        {ModList, LabelMod}};
    for (const auto& [control, caption] : named) {
        control->setAccessibleName(CaptionName(caption->text()));
        caption->setBuddy(control);
    }
    Speed->setAccessibleDescription(tr("De 0, la plus rapide, à 9, la plus lente"));
}

QStringList OptionsPanel::PointLists()
{
    QStringList missing;
    const QString folder = QString::fromStdString(GameFolder());
    if (!ModList->SetDirectory(folder + MusicsFolderTail))
        missing << ModList->Directory();
    if (!TexList->SetDirectory(folder + TexturesFolderTail))
        missing << TexList->Directory();
    return missing;
}

void OptionsPanel::SetWarningLayout()
{
    LabelWarning->show();
    for (QWidget* w : normalOnly_)
        w->hide();
}

void OptionsPanel::SetNormalLayout()
{
    LabelWarning->hide();
    for (QWidget* w : normalOnly_)
        w->show();
}

bool OptionsPanel::InWarningLayout() const
{
    return !LabelWarning->isHidden();
}

QList<QWidget*> OptionsPanel::PadControls() const
{
    return {Speed, TexList, ModList, SonAct, MusicAct, MenuOptionsOK};
}

void OptionsPanel::PadMove(Heading heading)
{
    QWidget* focus = QApplication::focusWidget();
    if (!isAncestorOf(focus))
        return;
    const bool across = heading == Heading::Left || heading == Heading::Right;
    if (focus == Speed && across) {
        // Left is towards "Rapide", position 0.
        Speed->triggerAction(heading == Heading::Left ? QSlider::SliderSingleStepSub : QSlider::SliderSingleStepAdd);
        return;
    }
    if (auto* list = qobject_cast<FileList*>(focus); list && !across && list->Step(heading == Heading::Down ? 1 : -1))
        return;
    if (QWidget* next = NearestControl(focus, heading, PadControls()))
        next->setFocus(Qt::TabFocusReason);
}

bool OptionsPanel::SaveOptions() const
{
    const GameOptions options{Speed->value(), SonAct->isChecked() ? 1 : 0, MusicAct->isChecked() ? 1 : 0};
    return zorbil::SaveOptions(GamePath(ConfigFileTail), options);
}

}  // namespace zorbil
