#include "core/families/digph/texts.h"

#include "core/catalogue/text_macros.h"

namespace tessalin::digph {

const TextRecord kTxtIsfetWorkingPoint =
    NAME7("ISFET Arbeitspunkt", "ISFET working point", "Point de fonct. ISFET",
              "Punto di lavoro ISFET", "ISFET arbetspunkt", "Punto de trabajo ISFET", "Ponto de trabalho ISFET");
const TextRecord kTxtDeltaFunction =
    LIST7("Deltafunktion", "1|Aus|2|pH", "Delta function", "1|Off|2|pH", "Fonction delta", "1|Arrêt|2|pH",
              "Funzione delta", "1|Off|2|pH", "Deltafunktion", "1|Från|2|pH", "Función delta", "1|Desact.|2|pH",
              "Função delta", "1|Desl.|2|pH");

}  // namespace tessalin::digph
