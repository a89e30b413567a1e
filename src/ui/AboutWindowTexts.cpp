// Texts of the about window (set 2).
#include <QLabel>

#include "shell/Messages.h"
#include "ui/AboutWindow.h"
#include "ui/Services.h"
#include "ui/TextSets.h"
#include "ui/WindowTexts.h"

namespace {

constexpr TextRow kCzech[] = {
    {"", TextProp::Caption, "VELTRA "},
    {"Label15", TextProp::Text, "Pravděpodobnostní posouzení spolehlivosti"},
    {"Label17", TextProp::Text, "svorníkové výztuže důlních děl"},
    {"Label14", TextProp::Text, "Výpočet s histogramy o nejvýše 256 intervalech"},
};

constexpr TextRow kEnglish[] = {
    {"", TextProp::Caption, "VELTRA "},
    {"Label15", TextProp::Text, "Probabilistic reliability assessment"},
    {"Label17", TextProp::Text, "of rock-bolt support in mine workings"},
    {"Label14", TextProp::Text, "Computation with histograms of at most 256 bins"},
};

// The version line, then every label centred again for its new width.
void after(QWidget& window, Language language) {
  auto* about = qobject_cast<AboutWindow*>(&window);
  if (!about) return;
  if (auto* version = about->findChild<QLabel*>(QStringLiteral("Label2")))
    version->setText(
        QString::fromStdString(MessageText(62, language) + " :  " + about->services().programVersion));
  about->centreLabels();
}

}  // namespace

const TextSet kAboutWindowTexts{2, kCzech, kEnglish, &after};
