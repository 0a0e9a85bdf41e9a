#include "core/families/digorp/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::digorp {

const TextRecord kTxtOrpOffset = NAME7("ORP-Offset", "ORP offset", "Offset ORP", "Offset ORP", "ORP-offset",
                                           "Offset ORP", "Offset ORP");
const TextRecord kTxtDeltaFunction =
    LIST7("Deltafunktion", "1|Aus|4|mVORP", "Delta function", "1|Off|4|mVORP", "Fonction delta",
              "1|Arrêt|4|mVORP", "Funzione delta", "1|Off|4|mVORP", "Deltafunktion", "1|Från|4|mVORP",
              "Función delta", "1|Desact.|4|mVORP", "Função delta", "1|Desl.|4|mVORP");

}  // namespace tessalin::digorp
