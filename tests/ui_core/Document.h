#pragma once

#include "Scripts.h"

#include "ui/core/TFenetreEnfant.h"

#include <gtest/gtest.h>

#include <map>

namespace ZentTest {

// Records the command states and notifications a document sends its main window.
class HoteScripte : public Zent::HoteDocument {
public:
    std::map<Zent::CommandeDocument, bool> commandes;
    std::vector<Zent::ReponseFermeture> fermetures;
    int listesAffichees = 0;
    void ActiveCommande(Zent::CommandeDocument c, bool active) override { commandes[c] = active; }
    void NotifieFermeture(Zent::TFenetreEnfant&, Zent::ReponseFermeture r) override { fermetures.push_back(r); }
    void AfficheListeVerification(Zent::TFenetreEnfant&) override { ++listesAffichees; }
};

class DocumentFixture : public ::testing::Test {
protected:
    MessagesScriptes messages;
    SonsScriptes sons;
    HoteScripte hote;
    Zent::TFenetreEnfant doc{messages, sons, ',', &hote};
};

} // namespace ZentTest
