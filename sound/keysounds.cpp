// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/keysounds.h"

#include <algorithm>
#include <cstring>

namespace keysounds {
namespace {

// clang-format off
constexpr Theme Table[] = {
    {"animals", "mnuSoundsAnimals", QT_TRANSLATE_NOOP("keysounds", "Animals"), true,
     {{
         "\\canaryhigh.wav", "\\smallDog.wav", "\\sheepHigh.wav", "\\loons.wav", "\\raven.wav",
         "\\peacock.wav", "\\parrot.wav", "\\swanHigh.wav", "\\duck.wav", "\\goatHighPitch.wav",
         "\\chicken.wav", "\\dogWhine.wav", "\\cricket.wav", "\\owl.wav", "\\coyote.wav",
         "\\dogGrowl.wav", "\\pigHigh.wav", "\\lionGrowl.wav", "\\dog1.wav", "\\puppyWhine.wav",
         "\\frogDouble.wav", "\\cowMedium.wav", "\\sheepDeep.wav", "\\pigDeep.wav", "\\cowLow.wav",
         "\\gorilla.wav",
     }}},
    {"hidden", nullptr, nullptr, true,
     {{
         "\\Ferris1.wav", "\\Ferris2.wav", "\\Ferris3.wav", "\\Ferris4.wav", "\\Ferris5.wav",
         "\\Ferris6.wav", "\\Ferris7.wav", "\\Ferris8.wav", "\\Ferris9.wav", "\\BFerris1.wav",
         "\\BFerris2.wav", "\\BFerris3.wav", "\\BFerris4.wav", "\\BFerris5.wav", "\\BFerris6.wav",
         "\\BFerris7.wav", "\\BFerris8.wav", "\\BFerris9.wav", "\\Ferris1.wav", "\\Ferris2.wav",
         "\\Ferris3.wav", "\\Ferris4.wav", "\\Ferris5.wav", "\\Ferris6.wav", "\\Ferris7.wav",
         "\\Ferris8.wav",
     }}},
    {"cartoon", "mnuSoundCartoon", QT_TRANSLATE_NOOP("keysounds", "Cartoon"), false,
     {{
         "\\splat1.wav", "\\splat2.wav", "\\cartoonA.wav", "\\cartoonB.wav", "\\cartoonC.wav",
         "\\wapwapwa.wav", "\\weep.wav", "\\doink.wav", "\\Wrrrr.wav", "\\corkpop.wav",
         "\\doubtake.wav", "\\peeeow.wav", "\\pingpong.wav", "\\skid1.wav", "\\tosfwee.wav",
         "\\twangang.wav", "\\jetsons1.wav", "\\Pop.wav", "\\raspberry.wav", "\\plankcra.wav",
         "\\raspberry.wav", "\\twang.wav", "\\twing.wav", "\\shoow.wav", "\\iaiaia.wav",
         "\\rahr.wav",
     }}},
    {"tech", "mnuSoundTech", QT_TRANSLATE_NOOP("keysounds", "Tech"), false,
     {{
         "\\Trekdoor.wav", "\\alert1.wav", "\\photon.wav", "\\wowoShort.wav", "\\compuBeep.wav",
         "\\Grunge.wav", "\\Zing.wav", "\\revThrust.wav", "\\flyOver.wav", "\\justWeird.wav",
         "\\justWeird2.wav", "\\Astral.wav", "\\alienBabble.wav", "\\robotChimes.wav", "\\bibBabble.wav",
         "\\funnel.wav", "\\circSaw.wav", "\\turntable.wav", "\\menace.wav", "\\lightsaber.wav",
         "\\crackle.wav", "\\strangeWhine.wav", "\\alienSpark.wav", "\\aRev.wav", "\\nicebeep.wav",
         "\\spaceChime.wav",
     }}},
};
// clang-format on

} // namespace

std::span<const Theme> themes()
{
    return Table;
}

const Theme *theme(int number)
{
    return number >= 1 && number <= int(std::size(Table)) ? &Table[number - 1] : nullptr;
}

int hiddenTheme()
{
    const auto *hidden = std::find_if(std::begin(Table), std::end(Table),
                                      [](const Theme &t) { return !t.menuItem; });
    return int(hidden - std::begin(Table)) + 1;
}

QString waveFor(int number, int keyCode)
{
    const Theme *t = theme(number);
    const char *key = keyCode > 0 && keyCode < 128 ? std::strchr(Keys, keyCode) : nullptr;
    if (!t || !key || *key == 0)
        return {};
    return QString::fromLatin1(t->waves[size_t(key - Keys)]);
}

} // namespace keysounds
