// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/keysounds.h"

namespace keysounds {

// clang-format off
const std::array<KeySound, 26> Table = {{
    //        Animals                    hidden               Cartoon              Tech
    {'Q', {{ "\\canaryhigh.wav",      "\\Ferris1.wav",  "\\splat1.wav",    "\\Trekdoor.wav"     }}},
    {'W', {{ "\\smallDog.wav",        "\\Ferris2.wav",  "\\splat2.wav",    "\\alert1.wav"       }}},
    {'E', {{ "\\sheepHigh.wav",       "\\Ferris3.wav",  "\\cartoonA.wav",  "\\photon.wav"       }}},
    {'R', {{ "\\loons.wav",           "\\Ferris4.wav",  "\\cartoonB.wav",  "\\wowoShort.wav"    }}},
    {'T', {{ "\\raven.wav",           "\\Ferris5.wav",  "\\cartoonC.wav",  "\\compuBeep.wav"    }}},
    {'Y', {{ "\\peacock.wav",         "\\Ferris6.wav",  "\\wapwapwa.wav",  "\\Grunge.wav"       }}},
    {'U', {{ "\\parrot.wav",          "\\Ferris7.wav",  "\\weep.wav",      "\\Zing.wav"         }}},
    {'I', {{ "\\swanHigh.wav",        "\\Ferris8.wav",  "\\doink.wav",     "\\revThrust.wav"    }}},
    {'O', {{ "\\duck.wav",            "\\Ferris9.wav",  "\\Wrrrr.wav",     "\\flyOver.wav"      }}},
    {'P', {{ "\\goatHighPitch.wav",   "\\BFerris1.wav", "\\corkpop.wav",   "\\justWeird.wav"    }}},
    {'A', {{ "\\chicken.wav",         "\\BFerris2.wav", "\\doubtake.wav",  "\\justWeird2.wav"   }}},
    {'S', {{ "\\dogWhine.wav",        "\\BFerris3.wav", "\\peeeow.wav",    "\\Astral.wav"       }}},
    {'D', {{ "\\cricket.wav",         "\\BFerris4.wav", "\\pingpong.wav",  "\\alienBabble.wav"  }}},
    {'F', {{ "\\owl.wav",             "\\BFerris5.wav", "\\skid1.wav",     "\\robotChimes.wav"  }}},
    {'G', {{ "\\coyote.wav",          "\\BFerris6.wav", "\\tosfwee.wav",   "\\bibBabble.wav"    }}},
    {'H', {{ "\\dogGrowl.wav",        "\\BFerris7.wav", "\\twangang.wav",  "\\funnel.wav"       }}},
    {'J', {{ "\\pigHigh.wav",         "\\BFerris8.wav", "\\jetsons1.wav",  "\\circSaw.wav"      }}},
    {'K', {{ "\\lionGrowl.wav",       "\\BFerris9.wav", "\\Pop.wav",       "\\turntable.wav"    }}},
    {'L', {{ "\\dog1.wav",            "\\Ferris1.wav",  "\\raspberry.wav", "\\menace.wav"       }}},
    {'Z', {{ "\\puppyWhine.wav",      "\\Ferris2.wav",  "\\plankcra.wav",  "\\lightsaber.wav"   }}},
    {'X', {{ "\\frogDouble.wav",      "\\Ferris3.wav",  "\\raspberry.wav", "\\crackle.wav"      }}},
    {'C', {{ "\\cowMedium.wav",       "\\Ferris4.wav",  "\\twang.wav",     "\\strangeWhine.wav" }}},
    {'V', {{ "\\sheepDeep.wav",       "\\Ferris5.wav",  "\\twing.wav",     "\\alienSpark.wav"   }}},
    {'B', {{ "\\pigDeep.wav",         "\\Ferris6.wav",  "\\shoow.wav",     "\\aRev.wav"         }}},
    {'N', {{ "\\cowLow.wav",          "\\Ferris7.wav",  "\\iaiaia.wav",    "\\nicebeep.wav"     }}},
    {'M', {{ "\\gorilla.wav",         "\\Ferris8.wav",  "\\rahr.wav",      "\\spaceChime.wav"   }}},
}};
// clang-format on

QString waveFor(int theme, int keyCode)
{
    if (theme < Animals || theme > Tech)
        return {};
    for (const KeySound &key : Table) {
        if (key.keyCode == keyCode)
            return QString::fromLatin1(key.waves[size_t(theme - 1)]);
    }
    return {};
}

} // namespace keysounds
