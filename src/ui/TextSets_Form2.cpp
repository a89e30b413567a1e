// Texts of the about window (set 2).
#include <QLabel>

#include "shell/TextyCeskoAngl.h"
#include "ui/Prob2_u.h"
#include "ui/Services.h"
#include "ui/TextSets.h"

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
  auto* about = qobject_cast<TForm2*>(&window);
  if (!about) return;
  if (auto* version = about->findChild<QLabel*>(QStringLiteral("Label2")))
    version->setText(QString::fromStdString(MessageText(62, language) + " :  " +
                                            about->services().programVersion));
  about->centreLabels();
}

const TextSetRegistration registration{{2, kCzech, kEnglish, &after}};

}  // namespace
