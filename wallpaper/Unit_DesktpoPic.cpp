#include "wallpaper/Unit_DesktpoPic.h"

#include "settings/IniFile.h"
#include "toolkit/SkinPageControl.h"
#include "toolkit/SkinRadioGroup.h"
#include "toolkit/SkinTrackBar.h"

#include <utility>

#include <QLabel>
#include <QSignalBlocker>

namespace tovra {

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// "墙纸设置" followed by 38 blanks, as the form's title strip has it.
QString caption() {
    return QStringLiteral("墙纸设置") + QString(38, QLatin1Char(' '));
}

constexpr QRect kPages(8, 28, 284, 152);
constexpr QRect kGroupOnPage(8, 8, 264, 112);

} // namespace

TFormDesktpoPic::TFormDesktpoPic(QWidget* owner, RotationSettingsServices services)
    : SettingsForm(owner, services.errors, caption(), kSize, toolkit::LoadOn::Create)
    , services_(std::move(services)) {
    bsSkinPageControl1 = new toolkit::SkinPageControl(this);
    bsSkinPageControl1->setGeometry(kPages);
    createFrequencyPage();
    createStylePage();
    createModePage();
    bsSkinPageControl1->setCurrentIndex(0);
    showControls(wallpaper::RotationSettings{});
    FormCreate();
}

void TFormDesktpoPic::createFrequencyPage() {
    bsSkinTabSheet1 = bsSkinPageControl1->addSheet(QStringLiteral(" 墙纸更换频率 "));
    RadioGroup1 = new toolkit::SkinRadioGroup(QString(), bsSkinTabSheet1);
    RadioGroup1->setItems(
        {QStringLiteral("按小时"), QStringLiteral("按天"), QStringLiteral("按周")}, 3);
    RadioGroup1->setGeometry(8, 8, 264, 48);
    tbnum = new toolkit::SkinTrackBar(bsSkinTabSheet1);
    tbnum->setGeometry(8, 68, 200, 32);
    LabelTimeSize = new QLabel(bsSkinTabSheet1);
    LabelTimeSize->setGeometry(214, 72, 28, 20);
    LabelTimeSize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labelSelectShow = new QLabel(bsSkinTabSheet1);
    labelSelectShow->setGeometry(244, 72, 32, 20);
    connect(RadioGroup1, &toolkit::SkinRadioGroup::clicked, this,
            &TFormDesktpoPic::RadioGroup1Click);
    connect(tbnum, &QSlider::valueChanged, this, &TFormDesktpoPic::tbnumChange);
}

void TFormDesktpoPic::createStylePage() {
    bsSkinTabSheet2 = bsSkinPageControl1->addSheet(QStringLiteral("墙纸显示方式"));
    RadioGroup2 = new toolkit::SkinRadioGroup(QString(), bsSkinTabSheet2);
    RadioGroup2->setItems({QStringLiteral("居中"), QStringLiteral("平铺"), QStringLiteral("拉伸"),
                           QStringLiteral("智能设置")},
                          2);
    RadioGroup2->setGeometry(kGroupOnPage);
}

void TFormDesktpoPic::createModePage() {
    bsSkinTabSheet3 = bsSkinPageControl1->addSheet(QStringLiteral("墙纸选择方式"));
    RadioGroup3 = new toolkit::SkinRadioGroup(QString(), bsSkinTabSheet3);
    RadioGroup3->setItems({QStringLiteral("顺序选择"), QStringLiteral("随机选择")});
    RadioGroup3->setGeometry(kGroupOnPage);
}

wallpaper::RotationSettings TFormDesktpoPic::readControls() const {
    return {RadioGroup1->itemIndex(),
            tbnum->minimum(),
            tbnum->maximum(),
            tbnum->value(),
            LabelTimeSize->text().toStdString(),
            labelSelectShow->text().toStdString(),
            RadioGroup2->itemIndex(),
            RadioGroup3->itemIndex()};
}

void TFormDesktpoPic::showControls(const wallpaper::RotationSettings& record) {
    const QSignalBlocker unit(RadioGroup1);
    const QSignalBlocker size(tbnum);
    RadioGroup1->setItemIndex(record.unit);
    tbnum->setLimits(record.sizeMinimum, record.sizeMaximum);
    tbnum->setValue(record.size);
    LabelTimeSize->setText(text(record.sizeText));
    labelSelectShow->setText(text(record.unitText));
    RadioGroup2->setItemIndex(record.style);
    RadioGroup3->setItemIndex(record.mode);
}

void TFormDesktpoPic::loadSettings(wallpaper::RotationSettings& record) {
    const settings::IniFile ini(services_.profiles, services_.settingsFile);
    wallpaper::LoadRotationSettings(ini, services_.sectionPrefix, record,
                                    services_.state.SelectMode);
}

bool TFormDesktpoPic::saveSettings(const wallpaper::RotationSettings& record) {
    settings::IniFile ini(services_.profiles, services_.settingsFile);
    wallpaper::SaveRotationSettings(ini, services_.sectionPrefix, record);
    return true; // saving leaves SelectMode as it is
}

void TFormDesktpoPic::LoadRotationSettings() {
    loadIntoControls();
}

void TFormDesktpoPic::RadioGroup1Click() {
    guard([this] {
        wallpaper::RotationSettings record = readControls();
        wallpaper::applyUnit(record);
        showControls(record);
    });
}

void TFormDesktpoPic::tbnumChange() {
    guard([this] { LabelTimeSize->setText(QString::number(tbnum->value())); });
}

} // namespace tovra
