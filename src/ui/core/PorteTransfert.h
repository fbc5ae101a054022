#pragma once

#include "model/Textes.h"
#include "ui/core/Dialogue.h"

namespace Zent {

class TFenetreEnfant;

// Decides whether the transfer dialog may open for the active document:
// verification errors stop it, warnings ask first.
bool PorteTransfert(TFenetreEnfant* document, Messages& messages, Sons& sons, Langue langue);

} // namespace Zent
