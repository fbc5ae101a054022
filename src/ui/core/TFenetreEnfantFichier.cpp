// The document's program file and verification operations.
#include "files/EcrivainProgramme.h"
#include "files/LecteurProgramme.h"
#include "files/Verification.h"
#include "ui/core/TFenetreEnfant.h"

namespace Zent {

namespace {

constexpr TexteBilingue MsgErreurEnregistrement{
    "Une erreur d'enregistrement s'est produite.\n\rLe fichier n'a pas pu être enregistré.",
    "An error of recording occured.\n\rThe file could not be save"};
constexpr TexteBilingue MsgNonAccessible{"Le fichier n'est pas accessible \n\n\r L'opération en cours ne sera pas effectuée",
                                         "File is not accessible.\n\n\rThe current operation will be aborted"};
constexpr TexteBilingue MsgDonneesInvalides{
    "Les données du fichier ne sont pas valides\n\n\r La lecture du fichier ne peut pas être effectuée",
    "Data file are invalid\n\n\rReading of the file will aborted"};
constexpr TexteBilingue MsgAppareil{
    "La version de votre appareil n'est pas compatible avec le logiciel.\n\rVous devez choisir un fichier pour un %s.",
    "The version of your device is not compatible with the software.\n\rYou must choose a file for a %s"};
constexpr TexteBilingue MsgNombreTirs{
    "Le nombre de tirs est trop important.\n\rLe fichier ne peut pas être traité\n\rLe nombre de tirs maximum accepté "
    "est de %i",
    "The number of shots is too high.\n\rThe file can't be used.\n\rThe maximal number of shots is %i."};

std::string NomSansDossierNiExtension(const std::string& chemin)
{
    const std::size_t barre = chemin.find_last_of('/');
    std::string nom = barre == std::string::npos ? chemin : chemin.substr(barre + 1);
    const std::size_t point = nom.find_last_of('.');
    if (point != std::string::npos && point > 0)
        nom.resize(point);
    return nom;
}

} // namespace

bool TFenetreEnfant::EcritureFichier()
{
    if (CheminFichier.empty())
        return false;
    Fichier::DocumentAEcrire document;
    document.Titre = ChampTitre;
    document.NumeroSerie = ChampNumSerie;
    document.Version = ChampVersion;
    document.Modele = &Programme;
    document.Description = [this](std::int32_t i) {
        return Table.Cellule(TTabGestTempsTirZent::GetNumeroColoneNumeroDescritiionVoie(), i + 1);
    };
    document.Satelites = &ListeSatelites;
    document.SeparateurDecimal = Separateur;
    if (!Fichier::EcritFichierProgramme(CheminFichier, document)) {
        Erreur(MsgErreurEnregistrement.Selon(LangueCourante));
        CheminFichier.clear();
        return false;
    }
    Titrefenetre = NomSansDossierNiExtension(CheminFichier);
    Modifie = false;
    return true;
}

bool TFenetreEnfant::LectureFichier(const std::string& chemin)
{
    Fichier::ProgrammeLu lu;
    const Fichier::ErreurLecture erreur = Fichier::LitFichierProgramme(chemin, lu);
    return AppliqueLecture(erreur, lu);
}

bool TFenetreEnfant::LectureFlux(std::istream& flux)
{
    Fichier::ProgrammeLu lu;
    const Fichier::ErreurLecture erreur = Fichier::LitProgramme(flux, lu);
    return AppliqueLecture(erreur, lu);
}

bool TFenetreEnfant::AppliqueLecture(Fichier::ErreurLecture erreur, Fichier::ProgrammeLu& lu)
{
    const auto echec = [this](const std::string& texte) {
        Erreur(texte);
        Modifie = false; // closing the refused window asks nothing
        return false;
    };
    switch (erreur) {
    case Fichier::ErreurLecture::Aucune:
        break;
    case Fichier::ErreurLecture::NonAccessible:
        return echec(MsgNonAccessible.Selon(LangueCourante));
    case Fichier::ErreurLecture::Appareil:
        return echec(Formate(MsgAppareil.Selon(LangueCourante), {CQ52::GetNomAppareil()}));
    case Fichier::ErreurLecture::NombreTirs:
        return echec(Formate(MsgNombreTirs.Selon(LangueCourante), {NbTirMax}));
    case Fichier::ErreurLecture::DonneesInvalides:
        return echec(MsgDonneesInvalides.Selon(LangueCourante));
    }

    ChampTitre = lu.Titre.substr(0, LongueurTitreMax);
    ChampNumSerie = lu.NumeroSerie.substr(0, LongueurNumSerieMax);
    ChampVersion = lu.VersionProgramme;
    for (const Fichier::SecoursLu& s : lu.Secours)
        Programme.SetVoieSecours(s.Touche, s.Voie); // a refusal keeps the key's channel
    for (int k = 0; k < NbVoieSecours; ++k)
        EcritChampSecours(k);

    using T = TTabGestTempsTirZent;
    for (std::size_t n = 0; n < lu.Tirs.size(); ++n) {
        const auto j = static_cast<std::int32_t>(n);
        const Fichier::TirLu& tir = lu.Tirs[n];
        const int ligne = j + 1;
        const std::int32_t voie = j > 0 ? tir.Voie : 0;
        if (j > 0)
            Programme.CreerTirVoie(j, voie);
        Table.SetCellule(T::GetNumeroColoneNumeroDeTir(), ligne, std::to_string(j));
        Table.SetCellule(T::GetNumeroColoneNumeroDeVoie(), ligne, std::to_string(voie));
        Programme.SetTypeTir(j, tir.Manuel, true);
        Table.SetCellule(T::GetNumeroColoneTypeDeVoie(), ligne, Table.TextTypeTir(tir.Manuel ? TirManuel : TirAutomatique));
        Table.ChangementRetardAbsolu(j, tir.Temps, false);
        Table.SetCellule(T::GetNumeroColoneNumeroDescritiionVoie(), ligne, tir.Description);
        Programme.SetDescription(j, tir.Description);
        if (j + 1 < NbTirMax && j + 2 >= Table.GetRowCount()) {
            Table.SetRowCount(j + 3);
            Table.InitValeurLigneSansNumVoie(j + 1);
        }
    }

    for (auto& satelite : lu.Satelites) {
        const int code = ControleNouveauSatelite(satelite->GetNomSatelite(), satelite->GetNumSerie(),
                                                 Sate::SoixantaineAucune);
        if (code != 0 && code != AvertNumSerieVide)
            return echec(MsgDonneesInvalides.Selon(LangueCourante));
        AjouteOngletSorties();
        ListeOnglets.push_back(satelite->GetNomSatelite());
        ListeSatelites.Ajoute(std::move(satelite));
        Affectation->GestionAffichageSatelite();
    }
    Modifie = true; // a loaded window counts as changed
    return true;
}

void TFenetreEnfant::VerificationProgramme()
{
    ValidationSaisies();
    Fichier::DocumentAVerifier document;
    document.Modele = &Programme;
    document.Cellule = [this](int col, int lig) { return Table.Cellule(col, lig); };
    document.Titre = ChampTitre;
    document.SeparateurDecimal = Separateur;
    Fichier::VerificationProgramme(document, LangueCourante, Erreurs, Avertissements);
}

void TFenetreEnfant::AfficheVerification()
{
    VerificationProgramme();
    if (Erreurs.empty() && Avertissements.empty())
        return;
    if (Hote)
        Hote->AfficheListeVerification(*this);
}

} // namespace Zent
