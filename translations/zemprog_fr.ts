<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChannelTable</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="+92"/>
        <source>Other...</source>
        <translation>Autre...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Other....</source>
        <translation>Autre...</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="+72"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wide</source>
        <translation>Large</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Narrow</source>
        <translation>Étroite</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Carrier</source>
        <translation>Porteuse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DT/DQT</source>
        <translation>DT/DQT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_table.cpp" line="+10"/>
        <source>Ch</source>
        <translation>Canal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Receive</source>
        <translation>Réception</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transmit</source>
        <translation>Émission</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QT/DQT DEC</source>
        <translation>QT/DQT DEC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/DQT ENC</source>
        <translation>QT/DQT ENC</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>W/N</source>
        <translation>W/N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Busy</source>
        <translation>Verr. occupé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PTT</source>
        <translation>PTT</translation>
    </message>
</context>
<context>
    <name>RadioSettings</name>
    <message>
        <location filename="../src/core/pages/key_values.cpp" line="+37"/>
        <location line="+16"/>
        <location filename="../src/core/pages/option_values.cpp" line="+93"/>
        <location line="+12"/>
        <location line="+6"/>
        <location line="+12"/>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Monitor Momentary</source>
        <translation>Moniteur momentané</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monitor </source>
        <translation>Moniteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+15"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="+198"/>
        <source>Scramble</source>
        <translation>Brouilleur (scrambler)</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Vox</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Whisper</source>
        <translation>Chuchotement</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="+4"/>
        <source>Compand Expand</source>
        <translation>Compandeur</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <location line="-13"/>
        <location line="+14"/>
        <location filename="../src/core/pages/radio_settings.cpp" line="-9"/>
        <source>Energy Check</source>
        <translation>Contrôle de batterie</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Monitor</source>
        <translation>Moniteur</translation>
    </message>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-49"/>
        <source>Scan Pause</source>
        <translation>Pause du balayage</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Carrier</source>
        <translation>Porteuse</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Tone</source>
        <translation>Bip</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Detect</source>
        <translation>Détection</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="-83"/>
        <source>Scan information</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Function</source>
        <translation>Autres fonctions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Whisper  Function</source>
        <translation>Fonction chuchotement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Mode</source>
        <translation>Mode de balayage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Carrier: scanning stops on a channel while a carrier is received.</source>
        <translation>Porteuse&#xa0;: le balayage s&apos;arrête sur un canal tant qu&apos;une porteuse est reçue.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Receive recovery time (sec)</source>
        <translation>Temps de reprise après réception (s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How long scanning waits on a channel after the signal has gone, in seconds.</source>
        <translation>Durée pendant laquelle le balayage attend sur un canal après la disparition du signal, en secondes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transmission  recovery time (sec)</source>
        <translation>Temps de reprise après émission (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How long scanning waits after you have transmitted, in seconds.</source>
        <translation>Durée pendant laquelle le balayage attend après une émission, en secondes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Radiate Time Out Timer(s)</source>
        <translation>Temporisation d&apos;émission (TOT) (s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ends a transmission that lasts longer than this; Off for no limit.</source>
        <translation>Interrompt une émission qui dure plus longtemps&#xa0;; Désactivé pour aucune limite.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voice/Beep Tone</source>
        <translation>Voix/Bip</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>What the radio says or sounds when a key is pressed.</source>
        <translation>Annonce vocale ou bip émis par la radio à l&apos;appui sur une touche.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Squelch Level</source>
        <translation>Niveau de squelch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How strong a signal must be to open the loudspeaker.</source>
        <translation>Intensité minimale du signal pour ouvrir le haut-parleur.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lock Detect</source>
        <translation>Détection de verrouillage</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whisper level</source>
        <translation>Niveau de chuchotement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whisper  </source>
        <translation>Chuchotement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Microphone gain for speaking quietly, when the whisper function is on.</source>
        <translation>Gain du microphone pour parler à voix basse, lorsque la fonction chuchotement est activée.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Whisper  Function Enable</source>
        <translation>Activer la fonction chuchotement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>VOX level</source>
        <translation>Niveau VOX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vox Function</source>
        <translation>Fonction VOX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>How loud you must speak to start transmitting, when VOX is on.</source>
        <translation>Niveau de voix nécessaire pour déclencher l&apos;émission, lorsque le VOX est activé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vox Function Enable</source>
        <translation>Activer le VOX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PTT ID Start</source>
        <translation>PTT ID de début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission starts: up to 8 digits.</source>
        <translation>Code PTT ID envoyé au début de l&apos;émission&#xa0;: 8 chiffres au maximum.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End</source>
        <translation>PTT ID de fin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PTT ID code sent when transmission ends: up to 8 digits.</source>
        <translation>Code PTT ID envoyé à la fin de l&apos;émission&#xa0;: 8 chiffres au maximum.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT ID Start Enable</source>
        <translation>Envoyer le PTT ID au début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Enable</source>
        <translation>Envoyer au début</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PTT ID End Enable</source>
        <translation>Envoyer le PTT ID à la fin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>End Enable</source>
        <translation>Envoyer à la fin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DTMF Speed  Digit/sec</source>
        <translation>Vitesse DTMF (chiffres/s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>How fast the PTT ID digits are sent.</source>
        <translation>Vitesse d&apos;envoi des chiffres du PTT ID.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First Digit Time(ms)</source>
        <translation>Durée du premier chiffre (ms)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First Digit Delay Time(ms)</source>
        <translation>Délai avant le premier chiffre (ms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DTMF Side Tone</source>
        <translation>Tonalité locale DTMF</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wired Clone Mode</source>
        <translation>Mode clonage par câble</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alarm Function Enable</source>
        <translation>Activer la fonction alarme</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save Energy</source>
        <translation>Économie de batterie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The receiver sleeps between checks for a signal, to save the battery.</source>
        <translation>Le récepteur se met en veille entre deux recherches de signal, pour économiser la batterie.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Long Press</source>
        <translation>Appui long</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Short Press</source>
        <translation>Appui court</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   Top Key</source>
        <translation>Touche supérieure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>Touche centrale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>Touche inférieure</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Long Press Duration(s)</source>
        <translation>Durée de l&apos;appui long (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top Key Long Press</source>
        <translation>Appui long sur la touche supérieure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Top Key Short Press</source>
        <translation>Appui court sur la touche supérieure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Middle Key Long Press</source>
        <translation>Appui long sur la touche centrale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Middle Key Short Press</source>
        <translation>Appui court sur la touche centrale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key Long Press</source>
        <translation>Appui long sur la touche inférieure</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom Key Short Press</source>
        <translation>Appui court sur la touche inférieure</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+15"/>
        <source>Zem Programming Software</source>
        <translation>Logiciel de programmation Zem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Share as link</source>
        <translation>Partager sous forme de lien</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify after write</source>
        <translation>Vérifier après l&apos;écriture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compare with radio</source>
        <translation>Comparer avec la radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compare with file</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Picture of the radio&apos;s programmable keys: a handheld radio seen from the front, with red leader lines to its top key, the middle key high on its left side and the bottom key below it.</source>
        <translation>Image des touches programmables de la radio : une radio portative vue de face, avec des lignes de repère rouges vers sa touche supérieure, la touche centrale en haut du côté gauche et la touche inférieure juste en dessous.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel listing for printing</source>
        <translation>Liste des canaux pour l&apos;impression</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help pages</source>
        <translation>Pages d&apos;aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop a program file (.Zem) to open it</source>
        <translation>Déposez un fichier de programme (.Zem) pour l&apos;ouvrir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This browser cannot reach a serial cable. To read or write the radio, open this page in Chrome or Edge (version 89 or later) on a desktop computer; files can be opened, edited and saved here.</source>
        <translation>Ce navigateur ne peut pas accéder à un câble série. Pour lire ou écrire la radio, ouvrez cette page dans Chrome ou Edge (version 89 ou ultérieure) sur un ordinateur de bureau ; ici, vous pouvez ouvrir, modifier et enregistrer des fichiers.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This browser does not run WebAssembly, which the program&apos;s core needs, so nothing here can work. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>Ce navigateur n&apos;exécute pas WebAssembly, dont le cœur du programme a besoin ; rien ne peut donc fonctionner ici. La page fonctionne dans les versions actuelles de Chrome, Edge, Firefox et Safari ; la lecture et l&apos;écriture de la radio nécessitent Chrome ou Edge (version 89 ou ultérieure) sur un ordinateur de bureau.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program&apos;s core (zem.wasm, WebAssembly) could not be loaded, so nothing here can work: %1. The browser or the site&apos;s policy may block WebAssembly. The page works in current Chrome, Edge, Firefox and Safari; reading and writing the radio needs Chrome or Edge (version 89 or later) on a desktop computer.</source>
        <translation>Le cœur du programme (zem.wasm, WebAssembly) n&apos;a pas pu être chargé ; rien ne peut donc fonctionner ici : %1. Le navigateur ou la politique du site bloque peut-être WebAssembly. La page fonctionne dans les versions actuelles de Chrome, Edge, Firefox et Safari ; la lecture et l&apos;écriture de la radio nécessitent Chrome ou Edge (version 89 ou ultérieure) sur un ordinateur de bureau.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was handed to the browser&apos;s downloads.
Did the file save?</source>
        <translation>%1 a été transmis aux téléchargements du navigateur.
Le fichier a-t-il été enregistré ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Program file</source>
        <translation>Fichier de programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program file or plan</source>
        <translation>Fichier de programme ou plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The link to this plan was copied to the clipboard. Whoever opens it sees the plan, ready for Write.</source>
        <translation>Le lien vers ce plan a été copié dans le presse-papiers. Quiconque l&apos;ouvre voit le plan, prêt pour l&apos;écriture.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The browser did not let the page copy the link. Copy it from here:</source>
        <translation>Le navigateur n&apos;a pas permis à la page de copier le lien. Copiez-le ici :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read %1 of %2 blocks</source>
        <translation>%1 blocs sur %2 lus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 of %2 blocks</source>
        <translation>%1 blocs sur %2 écrits</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not save the radio history.</source>
        <translation>Impossible d&apos;enregistrer l&apos;historique de la radio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note of the read of %1 %2</source>
        <translation>Note de la lecture de %1 %2</translation>
    </message>
</context>
<context>
    <name>zem::Channels</name>
    <message>
        <location filename="../src/core/channels/band.cpp" line="-89"/>
        <source>You select other Type ,this will clear all data as new document,are you sure?</source>
        <translation>Choisir un autre type effacera toutes les données, comme pour un nouveau document. Continuer&#xa0;?</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>outside %1-%2 MHz; this plan has no band chosen</source>
        <translation>hors de %1-%2 MHz&#xa0;; aucune bande n&apos;est choisie dans ce plan</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>outside %1-%2 MHz; this plan is for band %3</source>
        <translation>hors de %1-%2 MHz&#xa0;; ce plan est pour la bande %3</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_clipboard.cpp" line="+14"/>
        <source>These values were not pasted:</source>
        <translation>Ces valeurs n&apos;ont pas été collées&#xa0;:</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>channel %1, %2: &quot;%3&quot;: %4</source>
        <translation>canal %1, %2&#xa0;: «&#xa0;%3&#xa0;»&#xa0;: %4</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>%1 row did not fit below channel 16 and was not pasted</source>
        <translation>%1 ligne ne tenait pas sous le canal 16 et n&apos;a pas été collée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows did not fit below channel 16 and were not pasted</source>
        <translation>%1 lignes ne tenaient pas sous le canal 16 et n&apos;ont pas été collées</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_commit.cpp" line="-62"/>
        <source>Error Data Format，Please input again</source>
        <translation>Format de données incorrect. Veuillez saisir à nouveau.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error data Value，Please input according the step value(6.25K/5k)</source>
        <translation>Valeur incorrecte. Veuillez saisir une valeur conforme au pas (6,25 kHz/5 kHz).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not an entry of the tone list</source>
        <translation>ne figure pas dans la liste des tonalités</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>must be one of %1</source>
        <translation>doit être l&apos;une des valeurs %1</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>not a cell of the channel table</source>
        <translation>n&apos;est pas une cellule du tableau des canaux</translation>
    </message>
    <message>
        <location filename="../src/core/channels/channel_csv.cpp" line="+94"/>
        <source>line %1: text after a closing quote</source>
        <translation>ligne %1&#xa0;: texte après un guillemet fermant</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>line %1: a quoted field is not closed</source>
        <translation>ligne %1&#xa0;: un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2%3)</source>
        <translation>%1 (%2%3)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/core/channels/memory_list.cpp" line="+83"/>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, channel %2</source>
        <translation>%1, canal %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/channels/memory_list.cpp" line="+4"/>
        <source>%1, %2 &quot;%3&quot;</source>
        <translation>%1, %2 «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the column appears twice</source>
        <translation>la colonne apparaît deux fois</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>expected a header row with the column &quot;Ch&quot; and any of %1, separated by commas, semicolons or tabs; found &quot;%2&quot;</source>
        <translation>une ligne d&apos;en-tête était attendue, avec la colonne «&#xa0;Ch&#xa0;» et n&apos;importe lesquelles des colonnes %1, séparées par des virgules, des points-virgules ou des tabulations&#xa0;; trouvé&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>the text has no header row</source>
        <translation>le texte n&apos;a pas de ligne d&apos;en-tête</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the row has %1 fields, the header %2</source>
        <translation>la ligne a %1 champs, l&apos;en-tête %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a channel number from 1 to 16</source>
        <translation>n&apos;est pas un numéro de canal de 1 à 16</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the channel has a row already</source>
        <translation>le canal a déjà une ligne</translation>
    </message>
    <message>
        <location filename="../src/core/channels/memory_list.cpp" line="-2"/>
        <source>%1, Location %2</source>
        <translation>%1, Location %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>the file has no header row</source>
        <translation>le fichier n&apos;a pas de ligne d&apos;en-tête</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the header row has no %1 column</source>
        <translation>la ligne d&apos;en-tête n&apos;a pas de colonne %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a whole number</source>
        <translation>n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the Location appears twice</source>
        <translation>la Location apparaît deux fois</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>no memory to import</source>
        <translation>aucune mémoire à importer</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>must be High, Low or a wattage such as 5.0W</source>
        <translation>doit être High, Low ou une puissance telle que 5.0W</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Location %1 &quot;%2&quot;</source>
        <translation>Location %1 «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>names not stored: %1</source>
        <translation>noms non mémorisés&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>column &quot;%1&quot; not stored: %2 row(s) hold a value there</source>
        <translation>colonne «&#xa0;%1&#xa0;» non mémorisée&#xa0;: %2 ligne(s) y contiennent une valeur</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 row(s) past the sixteen taken: Location %2 not stored</source>
        <translation>%1 ligne(s) au-delà des seize reprises&#xa0;: Location %2 non mémorisée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 row(s) past the sixteen taken: Location %2 to %3 not stored</source>
        <translation>%1 ligne(s) au-delà des seize reprises&#xa0;: Location %2 à %3 non mémorisées</translation>
    </message>
    <message>
        <location filename="../src/core/channels/memory_row.cpp" line="+91"/>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>not a CTCSS tone of the tone list</source>
        <translation>n&apos;est pas une tonalité CTCSS de la liste des tonalités</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>not a DCS code of the tone list</source>
        <translation>n&apos;est pas un code DCS de la liste des tonalités</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+33"/>
        <source>not a frequency in MHz</source>
        <translation>n&apos;est pas une fréquence en MHz</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>this radio stores only FM (Wide) and NFM (Narrow)</source>
        <translation>cette radio ne mémorise que FM (large) et NFM (étroite)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>must be S, P or empty</source>
        <translation>doit être S, P ou vide</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the transmit frequency would be below zero</source>
        <translation>la fréquence d&apos;émission serait inférieure à zéro</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>transmit %1</source>
        <translation>émission %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>must be empty, +, -, split or off</source>
        <translation>doit être vide, +, -, split ou off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>must be two letters N or R, transmit then receive</source>
        <translation>doit être deux lettres N ou R, émission puis réception</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a cross mode this radio can hold</source>
        <translation>n&apos;est pas un mode croisé que cette radio peut mémoriser</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>must be empty, Tone, TSQL, DTCS or Cross</source>
        <translation>doit être vide, Tone, TSQL, DTCS ou Cross</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="+103"/>
        <source> — choose the band on the Channel Setting page</source>
        <translation> — choisissez la bande à la page «&#xa0;Réglage des canaux&#xa0;»</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>column &quot;%1&quot; is not a channel table column; ignored</source>
        <translation>la colonne «&#xa0;%1&#xa0;» n&apos;est pas une colonne du tableau des canaux&#xa0;; ignorée</translation>
    </message>
</context>
<context>
    <name>zem::Compare</name>
    <message>
        <location filename="../src/core/compare/document_diff.cpp" line="+129"/>
        <source>byte %1</source>
        <translation>octet %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bytes %1-%2</source>
        <translation>octets %1-%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>channel %1 %2</source>
        <translation>canal %1 %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Value %1</source>
        <translation>Valeur de puissance basse %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>High Power Value %1</source>
        <translation>Valeur de puissance haute %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>%1 byte differs only in how the radio holds values that the pages show the same way</source>
        <translation>%1 octet ne diffère que par la façon dont la radio enregistre des valeurs que les pages affichent de la même manière</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes differ only in how the radio holds values that the pages show the same way</source>
        <translation>%1 octets ne diffèrent que par la façon dont la radio enregistre des valeurs que les pages affichent de la même manière</translation>
    </message>
</context>
<context>
    <name>zem::File</name>
    <message>
        <location filename="../src/core/document/input_text.cpp" line="+14"/>
        <source>%1 is %2; %3 is at most %4</source>
        <translation>%1 fait %2&#xa0;; %3 ne peut dépasser %4</translation>
    </message>
    <message>
        <location line="+85"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+51"/>
        <source>more than %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: read error</source>
        <translation>%1&#xa0;: erreur de lecture</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is a folder, not %2</source>
        <translation>%1 est un dossier, et non %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1: cannot be opened for reading</source>
        <translation>%1&#xa0;: impossible d&apos;ouvrir en lecture</translation>
    </message>
    <message>
        <location filename="../src/core/document/program_file.cpp" line="+301"/>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open &quot;%1&quot;: it is a folder, not a program file.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: c&apos;est un dossier, pas un fichier de programme.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot open the file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="-6"/>
        <source>Cannot read the file &quot;%1&quot;.</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+3"/>
        <source>The file &quot;%1&quot; is not a program file: it holds %2 bytes, a program file holds %3.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;est pas un fichier de programme&#xa0;: il contient %2 octets, un fichier de programme en contient %3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot open the file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Cannot save the file &quot;%1&quot;: it is a folder.</source>
        <translation>Impossible d&apos;enregistrer le fichier «&#xa0;%1&#xa0;»&#xa0;: c&apos;est un dossier.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot save the file &quot;%1&quot;: it is read-only.</source>
        <translation>Impossible d&apos;enregistrer le fichier «&#xa0;%1&#xa0;»&#xa0;: il est en lecture seule.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;enregistrer le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot save the file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer le fichier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/core/document/share_link.cpp" line="+12"/>
        <source>This link does not hold a whole plan: it may have been cut short or changed on its way. Nothing has changed.</source>
        <translation>Ce lien ne contient pas un plan complet&#xa0;: il a peut-être été tronqué ou modifié en chemin. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+11"/>
        <source>No folder given.</source>
        <translation>Aucun dossier indiqué.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot use the folder &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;utiliser le dossier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cannot write into the folder &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire dans le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot use the folder &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;utiliser le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot create &quot;%1&quot;: %2.</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot find a free name for &quot;%1&quot;.</source>
        <translation>Impossible de trouver un nom libre pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The report &quot;%1&quot; is a folder.</source>
        <translation>Le rapport «&#xa0;%1&#xa0;» est un dossier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report &quot;%1&quot; exists already.</source>
        <translation>Le rapport «&#xa0;%1&#xa0;» existe déjà.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot write the report &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire le rapport «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot write the report &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;écrire le rapport «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="+62"/>
        <source>The report is empty.</source>
        <translation>Le rapport est vide.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This is no fleet report: its first line has no port, result and backup columns.</source>
        <translation>Ce n&apos;est pas un rapport d&apos;écriture dans plusieurs radios&#xa0;: sa première ligne n&apos;a pas les colonnes «&#xa0;port&#xa0;», «&#xa0;result&#xa0;» et «&#xa0;backup&#xa0;».</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The report has several radios on %1 (one cable, many radios): put each one on the cable again and write its backup with zemtool write.</source>
        <translation>Le rapport contient plusieurs radios sur %1 (un câble, plusieurs radios)&#xa0;: remettez chacune sur le câble et écrivez-y sa sauvegarde avec zemtool write.</translation>
    </message>
</context>
<context>
    <name>zem::Link</name>
    <message>
        <location filename="../src/core/compare/verify_mismatch.cpp" line="+32"/>
        <source>The radio does not hold what was written. First difference: %1.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>La radio ne contient pas ce qui a été écrit. Première différence&#xa0;: %1.
Le programme a conservé ses données&#xa0;: écrivez à nouveau, ou vérifiez la radio et le câble.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.
The program has kept its data: write again, or check the radio and the cable.</source>
        <translation>La radio ne contient pas ce qui a été écrit. Première différence&#xa0;: %1 vaut %2 dans la radio, %3 dans le programme.
Le programme a conservé ses données&#xa0;: écrivez à nouveau, ou vérifiez la radio et le câble.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The radio does not hold what was written. First difference: %1.</source>
        <translation>La radio ne contient pas ce qui a été écrit. Première différence&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The radio does not hold what was written. First difference: %1 is %2 in the radio, %3 in the program.</source>
        <translation>La radio ne contient pas ce qui a été écrit. Première différence&#xa0;: %1 vaut %2 dans la radio, %3 dans le programme.</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/radio_job.cpp" line="+18"/>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>backing up</source>
        <translation>sauvegarde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verifying</source>
        <translation>vérification</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the radio is unchanged</source>
        <translation>la radio est inchangée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a partial write (%1 of %2 blocks)</source>
        <translation>la radio contient une écriture partielle (%1 blocs sur %2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio holds the whole write, not checked</source>
        <translation>la radio contient l&apos;écriture complète, non vérifiée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the radio holds a write that differs from the plan</source>
        <translation>la radio contient une écriture qui diffère du plan</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>cancelled during verify, after the whole write</source>
        <translation>annulé pendant la vérification, après l&apos;écriture complète</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled at block %1 of %2</source>
        <translation>annulé au bloc %1 sur %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cancelled before the first block was written</source>
        <translation>annulé avant l&apos;écriture du premier bloc</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no backup, so nothing was written</source>
        <translation>pas de sauvegarde, donc rien n&apos;a été écrit</translation>
    </message>
    <message>
        <location filename="../src/core/link/link_messages.cpp" line="+7"/>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>Impossible d&apos;ouvrir le port. Vérifiez que le port n&apos;est pas occupé et que l&apos;appareil fonctionne.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now are detecting communication port,Please wait...</source>
        <translation>Détection du port de communication, veuillez patienter...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Waiting the response from radio...</source>
        <translation>En attente de la réponse de la radio...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Communication error ,Please check all the connections and the radio power</source>
        <translation>Erreur de communication. Vérifiez toutes les connexions et l&apos;alimentation de la radio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not received enough byte</source>
        <translation>Nombre d&apos;octets reçus insuffisant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program interruput,please reset the radio and try again</source>
        <translation>Programmation interrompue. Veuillez réinitialiser la radio et réessayer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Program interruput,please reset the radio and try again</source>
        <translation> Programmation interrompue. Veuillez réinitialiser la radio et réessayer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading Data Progress</source>
        <translation>Lecture des données</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Writing Data Progress</source>
        <translation>Écriture des données</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ready ......</source>
        <translation>Prêt...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio took the whole write, but reading it back to check it failed: %1</source>
        <translation>La radio a reçu toute l&apos;écriture, mais la relecture de vérification a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The write was stopped before the end: the radio now holds part of this program and part of what it held before. Write it again before using the radio.</source>
        <translation>L&apos;écriture a été arrêtée avant la fin&#xa0;: la radio contient maintenant une partie de ce programme et une partie de ce qu&apos;elle contenait avant. Écrivez-le à nouveau avant d&apos;utiliser la radio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the line failed: %1</source>
        <translation>la liaison a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the radio did not answer</source>
        <translation>la radio n&apos;a pas répondu</translation>
    </message>
    <message>
        <location filename="../src/core/service/access_code.cpp" line="+7"/>
        <source>Not the correct password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_checks.cpp" line="+80"/>
        <source>%1: plan: %2, radio: %3</source>
        <translation>%1&#xa0;: plan&#xa0;: %2, radio&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>block %1 (%2-%3) differs</source>
        <translation>le bloc %1 (%2-%3) diffère</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>block %1 (%2-%3) differs: %4</source>
        <translation>le bloc %1 (%2-%3) diffère&#xa0;: %4</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_report.cpp" line="-37"/>
        <source>%1 done, %2 failed</source>
        <translation>%1 terminée(s), %2 en échec</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 done, %2 failed, %3 port not used (missing or given twice)</source>
        <translation>%1 terminée(s), %2 en échec, %3 port non utilisé (absent ou indiqué deux fois)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 done, %2 failed, %3 ports not used (missing or given twice)</source>
        <translation>%1 terminée(s), %2 en échec, %3 ports non utilisés (absents ou indiqués deux fois)</translation>
    </message>
    <message>
        <location filename="../src/core/fleet/fleet_run.cpp" line="+216"/>
        <source>Port given twice</source>
        <translation>Port indiqué deux fois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is given more than once</source>
        <translation>%1 est indiqué plus d&apos;une fois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is the same port as %2</source>
        <translation>%1 est le même port que %2</translation>
    </message>
    <message>
        <location filename="../src/core/link/clone_protocol.cpp" line="+28"/>
        <source>block read at %1: %2</source>
        <translation>lecture du bloc à %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>block write at %1: %2</source>
        <translation>écriture du bloc à %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the reply to block %1 is nothing but 0x06 bytes: something on the line answers 0x06 to everything, not a radio; check the programming cable or adapter</source>
        <translation>la réponse au bloc %1 ne contient que des octets 0x06&#xa0;: quelque chose sur la liaison répond 0x06 à tout, ce n&apos;est pas une radio&#xa0;; vérifiez le câble de programmation ou l&apos;adaptateur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>one byte too many in the reply to block %1</source>
        <translation>un octet de trop dans la réponse au bloc %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 bytes too many in the reply to block %2</source>
        <translation>%1 octets de trop dans la réponse au bloc %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the radio answered for block %1 when %2 was asked for</source>
        <translation>la radio a répondu pour le bloc %1 alors que %2 était demandé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the reply to block %1 gives the length %2 instead of %3</source>
        <translation>la réponse au bloc %1 indique la longueur %2 au lieu de %3</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>no acknowledgement from the radio</source>
        <translation>aucun acquittement de la radio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio answered %1 instead of 0x06</source>
        <translation>la radio a répondu %1 au lieu de 0x06</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the radio did not answer the wake-up %1 times (%2); the line echoes every byte the program sends back to it: check the programming cable or adapter</source>
        <translation>la radio n&apos;a pas répondu aux %1 tentatives de réveil (%2)&#xa0;; la liaison renvoie en écho chaque octet que le programme envoie&#xa0;: vérifiez le câble de programmation ou l&apos;adaptateur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the radio did not answer the wake-up %1 times (%2)</source>
        <translation>la radio n&apos;a pas répondu aux %1 tentatives de réveil (%2)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the radio did not confirm programming mode (%1)</source>
        <translation>la radio n&apos;a pas confirmé le mode programmation (%1)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>block at %1: %2 of %3 reply bytes arrived</source>
        <translation>bloc à %1&#xa0;: %2 octets de réponse reçus sur %3</translation>
    </message>
    <message>
        <location filename="../src/core/link/port_trace.cpp" line="+89"/>
        <source>cannot open the trace log %1</source>
        <translation>impossible d&apos;ouvrir le journal de trace %1</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_posix.cpp" line="+38"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+28"/>
        <source>the port is closed</source>
        <translation>le port est fermé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the line hung up (cable or adapter disconnected?)</source>
        <translation>la liaison a été coupée (câble ou adaptateur débranché&#xa0;?)</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+88"/>
        <source>write failed: %1</source>
        <translation>échec de l&apos;écriture&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+1"/>
        <source>write timed out</source>
        <translation>délai d&apos;écriture dépassé</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the line hung up</source>
        <translation>la liaison a été coupée</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>read failed: %1</source>
        <translation>échec de la lecture&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>poll failed: %1</source>
        <translation>échec de la surveillance du port&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-86"/>
        <source>%1: not a serial port</source>
        <translation>%1&#xa0;: ce n&apos;est pas un port série</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+172"/>
        <source>%1: no such device</source>
        <translation>%1&#xa0;: périphérique introuvable</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: permission denied (the user must be in the dialout group)</source>
        <translation>%1&#xa0;: accès refusé (l&apos;utilisateur doit faire partie du groupe dialout)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: permission denied</source>
        <translation>%1&#xa0;: accès refusé</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/core/link/serial_port_win32.cpp" line="+6"/>
        <source>%1: in use by another program</source>
        <translation>%1&#xa0;: utilisé par un autre programme</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&quot;%1&quot; is neither a port number 1-99 with a device nor a device path</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni un numéro de port 1-99 associé à un périphérique, ni un chemin de périphérique</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>built-in serial port</source>
        <translation>port série intégré</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_win32.cpp" line="-27"/>
        <source>&quot;%1&quot; is neither a port number 1-99 nor a device path</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni un numéro de port 1-99, ni un chemin de périphérique</translation>
    </message>
    <message>
        <location filename="../src/core/link/serial_port_web.cpp" line="+53"/>
        <source>no serial port was chosen</source>
        <translation>aucun port série choisi</translation>
    </message>
</context>
<context>
    <name>zem::Plan</name>
    <message>
        <location filename="../src/core/plan/plan_build.cpp" line="+81"/>
        <source>the radio keeps &quot;%1&quot;; &quot;%2&quot; was stored as &quot;%1&quot;</source>
        <translation>la radio conserve «&#xa0;%1&#xa0;»&#xa0;; «&#xa0;%2&#xa0;» a été mémorisé comme «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_reader.cpp" line="+63"/>
        <source>must be a single value</source>
        <translation>doit être une valeur unique</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>must be a mapping of keys to values</source>
        <translation>doit être une table associant des valeurs à des clés</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown key</source>
        <translation>clé inconnue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the key appears twice</source>
        <translation>la clé apparaît deux fois</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+271"/>
        <source>the key %1 is missing</source>
        <translation>la clé %1 est absente</translation>
    </message>
    <message>
        <location line="-249"/>
        <source>must be one of %1</source>
        <translation>doit être l&apos;une des valeurs %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>must be a whole number from %1 to %2</source>
        <translation>doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>must be a list of the 16 channels</source>
        <translation>doit être une liste des 16 canaux</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the channel appears twice</source>
        <translation>le canal apparaît deux fois</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>channel %1 is missing</source>
        <translation>le canal %1 est absent</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>must be true or false</source>
        <translation>doit être true ou false</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>must be a list of 7 values from 0 to 255</source>
        <translation>doit être une liste de 7 valeurs de 0 à 255</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>must be a mapping of addresses to bytes</source>
        <translation>doit être une table associant des octets à des adresses</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not an address: hex text 0x000 to 0x3FF or a number 0 to 1023</source>
        <translation>n&apos;est pas une adresse&#xa0;: texte hexadécimal de 0x000 à 0x3FF ou nombre de 0 à 1023</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not a byte in hex (00 to FF)</source>
        <translation>n&apos;est pas un octet en hexadécimal (00 à FF)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>runs past the end of the image</source>
        <translation>dépasse la fin de l&apos;image mémoire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the byte is given twice</source>
        <translation>l&apos;octet est indiqué deux fois</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>not a plan text: it has no top-level key &quot;zem-plan: 1&quot;</source>
        <translation>ce n&apos;est pas un plan au format texte&#xa0;: il n&apos;a pas de clé de premier niveau «&#xa0;zem-plan: 1&#xa0;»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>this program reads version 1 of the plan text</source>
        <translation>ce programme lit la version 1 du plan au format texte</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>bytes: nothing given for %1; a new document&apos;s bytes were taken there</source>
        <translation>bytes&#xa0;: rien n&apos;est indiqué pour %1&#xa0;; les octets d&apos;un nouveau document y ont été repris</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bytes: the section is empty; the bytes no value above determines were taken from a new document</source>
        <translation>bytes&#xa0;: la section est vide&#xa0;; les octets qu&apos;aucune valeur ci-dessus ne détermine ont été repris d&apos;un nouveau document</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bytes: the section is missing; the bytes no value above determines were taken from a new document</source>
        <translation>bytes&#xa0;: la section est absente&#xa0;; les octets qu&apos;aucune valeur ci-dessus ne détermine ont été repris d&apos;un nouveau document</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_unreadable.cpp" line="+16"/>
        <source>this build cannot read plan texts (it was made without yaml-cpp)</source>
        <translation>cette version du programme ne peut pas lire les plans au format texte (elle a été compilée sans yaml-cpp)</translation>
    </message>
    <message>
        <location filename="../src/core/plan/plan_text_writer.cpp" line="+131"/>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3: %4</source>
        <translation>ligne %1, colonne %2, %3&#xa0;: %4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>line %1, column %2, %3 &quot;%4&quot;: %5</source>
        <translation>ligne %1, colonne %2, %3 «&#xa0;%4&#xa0;»&#xa0;: %5</translation>
    </message>
</context>
<context>
    <name>zem::Settings</name>
    <message>
        <location filename="../src/core/pages/option_values.cpp" line="-110"/>
        <source>The PTT ID you input are not correct,it will be changed to zero</source>
        <translation>Le PTT ID saisi est incorrect, il sera remplacé par zéro.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The  PTT ID you input is too short,It will be suffixed with zero</source>
        <translation>Le PTT ID saisi est trop court, il sera complété par des zéros.</translation>
    </message>
    <message>
        <location filename="../src/core/pages/radio_settings.cpp" line="+109"/>
        <source>a PTT ID has at most 8 digits</source>
        <translation>un PTT ID comporte au plus 8 chiffres</translation>
    </message>
</context>
<context>
    <name>zem::gui::CAboutDlg</name>
    <message>
        <location filename="../src/gui/app/about_dialog.cpp" line="+13"/>
        <source>About Zem Electronics Co., Ltd.</source>
        <translation>À propos de Zem Electronics Co., Ltd.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zem  Communication Software-1.0</source>
        <translation>Logiciel de communication Zem 1.0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Programs the 16-channel handheld radio over its serial cable.
Copyright (C) Zem Electronics Co., Ltd.
All rights reserved.</source>
        <translation>Programme la radio portative 16 canaux par son câble série.
Copyright (C) Zem Electronics Co., Ltd.
Tous droits réservés.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-59"/>
        <location filename="../src/gui/app/about_dialog.cpp" line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zem::gui::CChannelPage</name>
    <message>
        <location filename="../src/core/channels/cell_keys.cpp" line="+13"/>
        <source>Please input Number</source>
        <translation>Veuillez saisir un nombre</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="+45"/>
        <source>%1 of channel %2</source>
        <translation>%1 du canal %2</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-12"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+9"/>
        <source>Type Setting</source>
        <translation>Réglage du type</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+10"/>
        <location line="+126"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="-124"/>
        <source>Field</source>
        <translation>Bande</translation>
    </message>
    <message>
        <location line="-5"/>
        <location filename="../src/gui/channels/channel_page.cpp" line="+50"/>
        <location line="+65"/>
        <source>Channel Setting</source>
        <translation>Réglage des canaux</translation>
    </message>
    <message>
        <location filename="../src/gui/channels/channel_page.cpp" line="-33"/>
        <source>The 16 channels of the radio. Click a cell to edit it, or start typing: frequencies in MHz (for example 145.5), tones and choices from the lists. Enter moves on to the next cell.</source>
        <translation>Les 16 canaux de la radio. Cliquez sur une cellule pour la modifier, ou commencez à taper&#xa0;: fréquences en MHz (par exemple 145.5), tonalités et choix dans les listes. Entrée passe à la cellule suivante.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio type.</source>
        <translation>Le type de radio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The frequency band of the radio; frequencies outside it are refused.</source>
        <translation>La bande de fréquences de la radio&#xa0;; les fréquences hors de cette bande sont refusées.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fills the channel table with demonstration channels of the band.</source>
        <translation>Remplit le tableau des canaux avec des canaux de démonstration de la bande.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKeyPage</name>
    <message>
        <location filename="../src/gui/pages/key_page.cpp" line="+42"/>
        <source>   Top Key</source>
        <translation>Touche supérieure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Middle Key</source>
        <translation>Touche centrale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bottom Key</source>
        <translation>Touche inférieure</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Picture of the radio&apos;s programmable keys</source>
        <translation>Image des touches programmables de la radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A handheld radio seen from the front. Red leader lines point to its three programmable keys: the top key on its top, the middle key high on its left side and the bottom key below it.</source>
        <translation>Une radio portative vue de face. Des traits rouges désignent ses trois touches programmables&#xa0;: la touche supérieure sur le dessus, la touche centrale en haut du flanc gauche et la touche inférieure juste en dessous.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The radio&apos;s three programmable keys: top, middle (upper side) and bottom (lower side).</source>
        <translation>Les trois touches programmables de la radio&#xa0;: supérieure, centrale (flanc, en haut) et inférieure (flanc, en bas).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Sets the three keys and the long-press duration back to the factory values.</source>
        <translation>Rétablit les valeurs d&apos;usine des trois touches et de la durée de l&apos;appui long.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+2"/>
        <location filename="../src/gui/pages/key_page.cpp" line="+25"/>
        <source>Key assignment</source>
        <translation>Affectation des touches</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuDoc</name>
    <message>
        <location filename="../src/core/session/document_session.cpp" line="+14"/>
        <source>a plan text</source>
        <translation>un plan au format texte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The plan %1 was not opened:</source>
        <translation>Le plan %1 n&apos;a pas été ouvert&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(%1 more)</source>
        <translation>(%1 de plus)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The plan %1 was opened with these changes:</source>
        <translation>Le plan %1 a été ouvert avec ces modifications&#xa0;:</translation>
    </message>
</context>
<context>
    <name>zem::gui::CKivuView</name>
    <message>
        <location filename="../src/gui/view/kivu_view.cpp" line="+76"/>
        <source>The three pages of the program: the channel table, the optional features and the key assignment.</source>
        <translation>Les trois pages du programme&#xa0;: le tableau des canaux, les fonctions optionnelles et l&apos;affectation des touches.</translation>
    </message>
</context>
<context>
    <name>zem::gui::COptionPage</name>
    <message>
        <location filename="../src/gui/pages/option_page.cpp" line="+43"/>
        <source>Sets every optional feature back to the factory values.</source>
        <translation>Rétablit les valeurs d&apos;usine de toutes les fonctions optionnelles.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Whisper  Function</source>
        <translation>Fonction chuchotement</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scan information</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Other Function</source>
        <translation>Autres fonctions</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-1"/>
        <location filename="../src/gui/pages/option_page.cpp" line="+66"/>
        <source>Optional features</source>
        <translation>Fonctions optionnelles</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPasswordDlg</name>
    <message>
        <location line="+13"/>
        <location filename="../src/gui/service/password_dialog.cpp" line="+21"/>
        <source>Please input password</source>
        <translation>Veuillez saisir le mot de passe</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPortDlg</name>
    <message>
        <location filename="../src/gui/link/port_dialog.cpp" line="+26"/>
        <source>Please enter an integer between 1 and 99.</source>
        <translation>Veuillez saisir un nombre entier entre 1 et 99.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Please Choose serial ports</source>
        <translation>Choisissez le port série</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please input the serial ports number,For example1,2,3and so on,The maximum is 99,If you have no idea,Please see Ports(COM and LPT) in Device Manager of Control Panel in Windows XP/9X</source>
        <translation>Saisissez le numéro du port série, par exemple 1, 2, 3, etc. Le maximum est 99. En cas de doute, consultez «&#xa0;Ports (COM et LPT)&#xa0;» dans le Gestionnaire de périphériques du Panneau de configuration de Windows XP/9X.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Serial ports of this computer</source>
        <translation>Ports série de cet ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>zem::gui::CPowerSetDlg</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+9"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+20"/>
        <source>Default Setting</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <location line="-35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <location line="+35"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+1"/>
        <source>Zem Electronics Co., Ltd. On Line Power Setting</source>
        <translation>Zem Electronics Co., Ltd. – Réglage de puissance en ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+5"/>
        <source>The Frequency Range Setting</source>
        <translation>Réglage de la plage de fréquences</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+3"/>
        <source>The Maximum Frequency  (MHZ)</source>
        <translation>Fréquence maximale (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>The Minimum Frequency (MHZ)</source>
        <translation>Fréquence minimale (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+14"/>
        <source>Frequency Range</source>
        <translation>Plage de fréquences</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>Low Power Value</source>
        <translation>Valeur de puissance basse</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_dialog.cpp" line="+0"/>
        <source>High Power Value</source>
        <translation>Valeur de puissance haute</translation>
    </message>
</context>
<context>
    <name>zem::gui::CProgressDlg</name>
    <message>
        <location line="-10"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+15"/>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-2"/>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+13"/>
        <source>Progress:</source>
        <translation>Progression&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/gui/link/progress_dialog.cpp" line="+24"/>
        <source>Ready ......</source>
        <translation>Prêt...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::CellDelegate</name>
    <message>
        <location filename="../src/web/page/texts.js" line="+55"/>
        <location filename="../src/gui/channels/cell_delegates.cpp" line="+62"/>
        <source>%1, channel %2</source>
        <translation>%1, canal %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::ChannelGridModel</name>
    <message>
        <location filename="../src/gui/channels/channel_grid_model.cpp" line="+33"/>
        <source>channel %1, %2</source>
        <translation>canal %1, %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="+102"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>zem::gui::CompareDialog</name>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+26"/>
        <source>No differences: both hold the same data.</source>
        <translation>Aucune différence&#xa0;: les deux contiennent les mêmes données.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Compare with %1</source>
        <translation>Comparer avec %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Where</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-41"/>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+1"/>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/compare_commands.cpp" line="+8"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 difference(s) between the document and %2:</source>
        <translation>%1 différence(s) entre le document et %2&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No differences on the pages: %1.</source>
        <translation>Aucune différence sur les pages&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>zem::gui::CsvCommands</name>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-105"/>
        <source>The channel list was not imported; nothing has changed. These values were refused:</source>
        <translation>La liste de canaux n&apos;a pas été importée&#xa0;; rien n&apos;a été modifié. Ces valeurs ont été refusées&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These values were refused. Import the other rows of the channel list and leave these rows out?</source>
        <translation>Ces valeurs ont été refusées. Importer les autres lignes de la liste de canaux en laissant de côté ces lignes&#xa0;?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel list was imported. This radio does not store:</source>
        <translation>La liste de canaux a été importée. Cette radio ne mémorise pas&#xa0;:</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import memory list</source>
        <translation>Importer une liste de mémoires</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/csv_commands.cpp" line="+22"/>
        <source>Could not read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>a channel list</source>
        <translation>une liste de canaux</translation>
    </message>
</context>
<context>
    <name>zem::gui::DeviceCommands</name>
    <message>
        <location filename="../src/gui/app/device_commands.cpp" line="-31"/>
        <source>The read is complete, but it could not be kept in the radio history.
Folder: %1
Reason: %2</source>
        <translation>La lecture est terminée, mais elle n&apos;a pas pu être conservée dans l&apos;historique des radios.
Dossier&#xa0;: %1
Motif&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::DocumentFiles</name>
    <message>
        <location filename="../src/gui/app/document_files.cpp" line="+24"/>
        <source>Programing Data</source>
        <translation>Données de programmation</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>The file %1 was changed by another program since you opened it. Overwrite it?</source>
        <translation>Le fichier %1 a été modifié par un autre programme depuis son ouverture. L&apos;écraser&#xa0;?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The file %1 was changed by another program. Reload it?</source>
        <translation>Le fichier %1 a été modifié par un autre programme. Le recharger&#xa0;?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>zem::gui::ExchangeGuard</name>
    <message>
        <location filename="../src/gui/app/exchange_guard.cpp" line="+14"/>
        <source>A radio is still being read or written.
Stop every radio at its next block and quit the program?</source>
        <translation>Une radio est encore en cours de lecture ou d&apos;écriture.
Arrêter chaque radio à son prochain bloc et quitter le programme&#xa0;?</translation>
    </message>
</context>
<context>
    <name>zem::gui::FleetDialog</name>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+46"/>
        <source> (%1 failed)</source>
        <translation> (échecs&#xa0;: %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>; backup: %1; to put it back: put it on the cable again and write the backup to it (Open, then Write)</source>
        <translation>&#xa0;; sauvegarde&#xa0;: %1&#xa0;; pour la restaurer&#xa0;: remettez la radio sur le câble et écrivez-y la sauvegarde (Ouvrir, puis Écrire)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>; backup: %1; to put it back: Restore from backups</source>
        <translation>&#xa0;; sauvegarde&#xa0;: %1&#xa0;; pour la restaurer&#xa0;: Restaurer depuis les sauvegardes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The radios are still being written.
Stop every radio at its next block and close this window?</source>
        <translation>Les radios sont encore en cours d&apos;écriture.
Arrêter chaque radio à son prochain bloc et fermer cette fenêtre&#xa0;?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Several Radios</source>
        <translation>Écrire dans plusieurs radios</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Port numbers or device paths</source>
        <translation>Numéros de port ou chemins de périphérique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>For every radio</source>
        <translation>Pour chaque radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read each radio back and compare it with the plan</source>
        <translation>Relire chaque radio et la comparer avec le plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup into</source>
        <translation>Sauvegarder dans</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First read each radio into a program file of its own in this folder</source>
        <translation>Lire d&apos;abord chaque radio dans son propre fichier de programme, dans ce dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat: one cable, many radios</source>
        <translation>Répéter&#xa0;: un câble, plusieurs radios</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After each radio, wait until it is taken off and program the next one put on, until Stop</source>
        <translation>Après chaque radio, attendre qu&apos;elle soit retirée et programmer la suivante branchée, jusqu&apos;à Arrêter</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Radios</source>
        <translation>Radios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save report...</source>
        <translation>Enregistrer le rapport...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore from backups</source>
        <translation>Restaurer depuis les sauvegardes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write each failed radio&apos;s own backup back into it</source>
        <translation>Réécrire dans chaque radio en échec sa propre sauvegarde</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+2"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../src/gui/fleet/fleet_dialog.cpp" line="+35"/>
        <source>1 port added: %1</source>
        <translation>1 port ajouté&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ports added: %2</source>
        <translation>%1 ports ajoutés&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Tick the ports of the radios to write.</source>
        <translation>Cochez les ports des radios à écrire.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Choose the folder for the backups.</source>
        <translation>Choisissez le dossier des sauvegardes.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the backups</source>
        <translation>les sauvegardes</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Restore: %1</source>
        <translation>Restauration&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The report &quot;%1&quot; exists already. Replace it?</source>
        <translation>Le rapport «&#xa0;%1&#xa0;» existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>put it on the cable again and write the backup to it</source>
        <translation>remettez la radio sur le câble et écrivez-y la sauvegarde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;Restore from backups&quot; in the window, or zemtool fleet restore %1</source>
        <translation>«&#xa0;Restaurer depuis les sauvegardes&#xa0;» dans la fenêtre, ou zemtool fleet restore %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The report goes to %1 when the run ends.</source>
        <translation>Le rapport sera enregistré dans %1 à la fin de l&apos;exécution.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup folder</source>
        <translation>Dossier de sauvegarde</translation>
    </message>
</context>
<context>
    <name>zem::gui::HelpWindow</name>
    <message>
        <location filename="../src/gui/app/help_window.cpp" line="+33"/>
        <source>Zem Programming Software Help</source>
        <translation>Aide du logiciel de programmation Zem</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
</context>
<context>
    <name>zem::gui::MainWindow</name>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+46"/>
        <source>Zem Electronics Co., Ltd. Programing Software</source>
        <translation>Zem Electronics Co., Ltd. – Logiciel de programmation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please press F1 for Help</source>
        <translation>Appuyez sur F1 pour obtenir de l&apos;aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose a Object for help</source>
        <translation>Choisissez un objet pour obtenir de l&apos;aide</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-28"/>
        <location filename="../src/gui/app/main_window.cpp" line="+1"/>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <location filename="../src/gui/app/main_window.cpp" line="+2"/>
        <source>The language changes when the program starts again.</source>
        <translation>La langue changera au prochain démarrage du programme.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please directly double click inside the table</source>
        <translation>Double-cliquez directement dans le tableau</translation>
    </message>
    <message>
        <location line="+179"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>zem::gui::PowerSetCommand</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-7"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+103"/>
        <location line="+38"/>
        <source>On Line Power Set</source>
        <translation>Réglage de puissance en ligne</translation>
    </message>
    <message>
        <location line="+78"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="-21"/>
        <source>Read the power values from the radio</source>
        <translation>Lire les valeurs de puissance de la radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/service/power_set_command.cpp" line="+25"/>
        <source>Written</source>
        <translation>Écrit</translation>
    </message>
</context>
<context>
    <name>zem::gui::QtUserDialogs</name>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+15"/>
        <source>Program file(*.Zem)</source>
        <translation>Fichier de programme (*.Zem)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plan as text (*.yaml)</source>
        <translation>Plan au format texte (*.yaml)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Program file or plan (*.Zem *.zem *.yaml *.yml);;Program file(*.Zem *.zem);;</source>
        <translation>Fichier de programme ou plan (*.Zem *.zem *.yaml *.yml);;Fichier de programme (*.Zem *.zem);;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Channel list (%1);;All files (*)</source>
        <translation>Liste de canaux (%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-90"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+7"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+5"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+13"/>
        <source>Import channel list</source>
        <translation>Importer une liste de canaux</translation>
    </message>
    <message>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+4"/>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+1"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+16"/>
        <source>Export channel list</source>
        <translation>Exporter la liste de canaux</translation>
    </message>
    <message>
        <location line="+74"/>
        <location filename="../src/gui/commands/user_dialogs.cpp" line="+14"/>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/core/plan/exchange_formats.cpp" line="-8"/>
        <source>Channel list of this program (*.csv)</source>
        <translation>Liste de canaux de ce programme (*.csv)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Memory list of other programming tools (*.csv)</source>
        <translation>Liste de mémoires d&apos;autres logiciels de programmation (*.csv)</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistory</name>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+93"/>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioHistoryDialog</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-66"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+64"/>
        <source>Radio history</source>
        <translation>Historique des radios</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Radios read</source>
        <translation>Radios lues</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>First channel</source>
        <translation>Premier canal</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Taken by</source>
        <translation>Origine</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+1"/>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>&amp;Note...</source>
        <translation>&amp;Note...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Could not save the note.</source>
        <translation>Impossible d&apos;enregistrer la note.</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="+38"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+18"/>
        <source>Compare</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+0"/>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Every complete read from a radio, newest first (the newest %1 are kept).</source>
        <translation>Chaque lecture complète d&apos;une radio, de la plus récente à la plus ancienne (les %1 plus récentes sont conservées).</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+2"/>
        <source>No radio has been read yet.</source>
        <translation>Aucune radio n&apos;a encore été lue.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+7"/>
        <source>Delete the read of %1 %2 from the radio history?</source>
        <translation>Supprimer de l&apos;historique des radios la lecture du %1 à %2&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/gui/workbench/radio_history.cpp" line="+4"/>
        <source>Could not delete the read of %1 %2.</source>
        <translation>Impossible de supprimer la lecture du %1 à %2.</translation>
    </message>
</context>
<context>
    <name>zem::gui::RadioPage</name>
    <message>
        <location filename="../src/web/page/texts.js" line="-29"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+11"/>
        <source>Please click the CommBox to choose value</source>
        <translation>Cliquez sur la liste déroulante pour choisir une valeur</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>Please Click the cell to edit or input data</source>
        <translation>Cliquez sur la cellule pour modifier ou saisir des données</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+1"/>
        <source>For help，please press F1</source>
        <translation>Pour obtenir de l&apos;aide, appuyez sur F1</translation>
    </message>
    <message>
        <location line="-44"/>
        <location filename="../src/gui/pages/radio_page.cpp" line="+10"/>
        <location line="+4"/>
        <source>Default Setting</source>
        <translation>Valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>zem::gui::RefusalListDialog</name>
    <message>
        <location filename="../src/gui/common/refusal_list_dialog.cpp" line="+43"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>zem::gui::TransferController</name>
    <message>
        <location filename="../src/gui/link/transfer_controller.cpp" line="+31"/>
        <source>the check was stopped</source>
        <translation>la vérification a été interrompue</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Verifying Written Data</source>
        <translation>Vérification des données écrites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading the radio back to compare...</source>
        <translation>Relecture de la radio pour comparaison...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Verifying written data</source>
        <translation>Vérification des données écrites</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Read from radio</source>
        <translation>Lecture de la radio</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Read from the radio</source>
        <translation>Lu depuis la radio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio</source>
        <translation>Écrit dans la radio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio and verified</source>
        <translation>Écrit dans la radio et vérifié</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written to the radio, but not checked: %1</source>
        <translation>Écrit dans la radio, mais non vérifié&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>zem::gui::UndoRouter</name>
    <message>
        <location filename="../src/gui/app/undo_router.cpp" line="+18"/>
        <source>Undo: %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Redo: %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>zem::gui::WindowCommands</name>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+44"/>
        <source>New(&amp;N)	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Create a new document
New</source>
        <translation>Créer un nouveau document
Nouveau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save(&amp;S)	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save as(&amp;A)...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistrer le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import channel list...</source>
        <translation>&amp;Importer une liste de canaux...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace the channels by those of a channel list: this program&apos;s CSV or the memory list of other programming tools
Import channel list</source>
        <translation>Remplacer les canaux par ceux d&apos;une liste de canaux&#xa0;: le CSV de ce programme ou la liste de mémoires d&apos;autres logiciels de programmation
Importer une liste de canaux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export channel list...</source>
        <translation>E&amp;xporter la liste de canaux...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the channels as this program&apos;s CSV or as the memory list of other programming tools
Export channel list</source>
        <translation>Enregistrer les canaux au format CSV de ce programme ou comme liste de mémoires d&apos;autres logiciels de programmation
Exporter la liste de canaux</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Radio history...</source>
        <translation>&amp;Historique des radios...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open one of the radios read before
Radio history</source>
        <translation>Ouvrir l&apos;une des radios lues précédemment
Historique des radios</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print(&amp;P)...	Ctrl+P</source>
        <translation>Im&amp;primer...	Ctrl+P</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Preview(&amp;V)</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Setup(&amp;S)...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Changer d&apos;imprimante et d&apos;options d&apos;impression
Configuration de l&apos;impression</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recent File</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+4"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Open this file</source>
        <translation>Ouvrir ce fichier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l&apos;application&#xa0;; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undo the last change
Undo</source>
        <translation>Annuler la dernière modification
Annuler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Redo the change undone last
Redo</source>
        <translation>Rétablir la dernière modification annulée
Rétablir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cut(&amp;T)	Ctrl+X</source>
        <translation>Co&amp;uper	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cut the selected cells and put them on the Clipboard
Cut</source>
        <translation>Couper les cellules sélectionnées et les placer dans le Presse-papiers
Couper</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy(&amp;C)	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the selected cells to the Clipboard
Copy</source>
        <translation>Copier les cellules sélectionnées dans le Presse-papiers
Copier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paste(&amp;P)	Ctrl+V</source>
        <translation>C&amp;oller	Ctrl+V</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert the Clipboard contents at the selected cell
Paste</source>
        <translation>Insérer le contenu du Presse-papiers dans la cellule sélectionnée
Coller</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete(&amp;D)	Del</source>
        <translation>&amp;Supprimer	Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empty the selected cells
Delete</source>
        <translation>Vider les cellules sélectionnées
Supprimer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read From Radio(&amp;U)	Ctrl+R</source>
        <translation>&amp;Lire depuis la radio	Ctrl+R</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read Data From interphone 
Read</source>
        <translation>Lire les données de la radio
Lire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Write to Radio	Ctrl+W</source>
        <translation>É&amp;crire dans la radio	Ctrl+W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write Data to interphone
Write</source>
        <translation>Écrire les données dans la radio
Écrire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to &amp;several radios...</source>
        <translation>Écrire dans &amp;plusieurs radios...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write this document into many radios, at once or one after another
Write to several radios</source>
        <translation>Écrire ce document dans plusieurs radios, simultanément ou l&apos;une après l&apos;autre
Écrire dans plusieurs radios</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Compare with radio...</source>
        <translation>Co&amp;mparer avec la radio...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio and list where it differs from the document; the document stays as it is
Compare with radio</source>
        <translation>Lire la radio et lister ses différences avec le document&#xa0;; le document reste inchangé
Comparer avec la radio</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Compare with &amp;file...</source>
        <translation>Comparer avec un &amp;fichier...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List where a program file differs from the document
Compare with file</source>
        <translation>Lister les différences entre un fichier de programme et le document
Comparer avec un fichier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit Channel	Ctrl+G</source>
        <translation>Modifier le ca&amp;nal	Ctrl+G</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit channel Data 
Edit</source>
        <translation>Modifier les données du canal
Modifier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>On Line Power Set(&amp;Y)	Ctrl+T</source>
        <translation>&amp;Réglage de puissance en ligne	Ctrl+T</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <source>Debug TX Power,Squelch Level,Low Power Alert on line</source>
        <translation>Régler en ligne la puissance d&apos;émission, le niveau de squelch et l&apos;alerte de batterie faible</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>COM1(&amp;P)	Ctrl+C</source>
        <translation>COM&amp;1	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com1</source>
        <translation>Choisir COM1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM2(&amp;Q)	Ctrl+D</source>
        <translation>COM&amp;2	Ctrl+D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com2</source>
        <translation>Choisir COM2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM3(&amp;S)	Ctrl+E</source>
        <translation>COM&amp;3	Ctrl+E</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com3</source>
        <translation>Choisir COM3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>COM4(&amp;T	Ctrl+F</source>
        <translation>COM&amp;4	Ctrl+F</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Com4</source>
        <translation>Choisir COM4</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Other ....</source>
        <translation>&amp;Autre...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose other Com Port</source>
        <translation>Choisir un autre port COM</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Verify after write</source>
        <translation>&amp;Vérifier après l&apos;écriture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the radio back after a write and compare it with what was written
Verify</source>
        <translation>Relire la radio après une écriture et la comparer avec ce qui a été écrit
Vérifier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Toolbar(&amp;T)</source>
        <translation>Barre d&apos;&amp;outils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d&apos;outils
Barre d&apos;outils</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Status Bar(&amp;S)</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Barre d&apos;état</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Language(&amp;L)</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the language of the window
Language</source>
        <translation>Choisir la langue de la fenêtre
Langue</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Help Content(&amp;H)</source>
        <translation>&amp;Sommaire de l&apos;aide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>About Me(&amp;A)...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display the version,copyright of this software 
 about</source>
        <translation>Afficher la version et le copyright de ce logiciel
À propos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help List</source>
        <translation>Index de l&apos;aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>List the catalog of help 
Help List</source>
        <translation>Afficher l&apos;index de l&apos;aide
Index de l&apos;aide</translation>
    </message>
    <message>
        <location filename="../src/web/page/texts.js" line="-10"/>
        <location filename="../src/gui/app/window_commands.cpp" line="+3"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../src/gui/app/window_commands.cpp" line="+1"/>
        <source>Show the help about current task
help</source>
        <translation>Afficher l&apos;aide sur la tâche en cours
Aide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>What&apos;s This</source>
        <translation>Qu&apos;est-ce que c&apos;est&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the context of help
help</source>
        <translation>Afficher l&apos;aide contextuelle
Aide</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File(&amp;F)</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit(&amp;E)</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Program(&amp;P)</source>
        <translation>&amp;Programmation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Setup(&amp;S)</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View(&amp;V)</source>
        <translation>Aff&amp;ichage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help(&amp;H)</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
</TS>
