<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Configuration and measurement program for multifunction power meters</source>
        <translation>Programme de configuration et de mesure pour centrales de mesure multifonctions</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Cliquer pour fermer</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>Voltage transformer</source>
        <translation>Transformateur de tension</translation>
    </message>
    <message>
        <source>Current transformer</source>
        <translation>Transformateur de courant</translation>
    </message>
    <message>
        <source>Digital output 1</source>
        <translation>Sortie numérique 1</translation>
    </message>
    <message>
        <source>Digital output 2</source>
        <translation>Sortie numérique 2</translation>
    </message>
    <message>
        <source>Limit on</source>
        <translation>Seuil enclenché</translation>
    </message>
    <message>
        <source>Limit off</source>
        <translation>Seuil déclenché</translation>
    </message>
    <message>
        <source>Pulse rate</source>
        <translation>Taux d&apos;impulsions</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Bus settings</source>
        <translation>Paramètres du bus</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Ouvrir la configuration</translation>
    </message>
</context>
<context>
    <name>ConfigTransfer</name>
    <message>
        <source>The meter&apos;s previous configuration was saved to %1</source>
        <translation>La configuration précédente de l&apos;appareil a été sauvegardée dans %1</translation>
    </message>
    <message>
        <source>No backup of the meter&apos;s configuration could be saved to %1</source>
        <translation>Aucune sauvegarde de la configuration de l&apos;appareil n&apos;a pu être enregistrée dans %1</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Informations de version</translation>
    </message>
    <message>
        <source>Model: %1
Firmware: %2
Version: %3</source>
        <translation>Modèle : %1
Micrologiciel : %2
Version : %3</translation>
    </message>
</context>
<context>
    <name>DialogMessages</name>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Clear the logger</source>
        <translation>Effacer l&apos;enregistreur</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfert</translation>
    </message>
    <message>
        <source>Data transfer in progress...</source>
        <translation>Transfert de données en cours...</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>1 phase, 2 wires (L-N)</source>
        <translation>Monophasé, 2 fils (L-N)</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, balanced load</source>
        <translation>Triphasé, 3 fils, charge équilibrée</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, balanced load</source>
        <translation>Triphasé, 4 fils, charge équilibrée</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, 2 current transformers</source>
        <translation>Triphasé, 3 fils, 2 transformateurs de courant</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, unbalanced load</source>
        <translation>Triphasé, 3 fils, charge déséquilibrée</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, unbalanced load</source>
        <translation>Triphasé, 4 fils, charge déséquilibrée</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, 3 voltage transformers</source>
        <translation>Triphasé, 4 fils, 3 transformateurs de tension</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Non utilisée</translation>
    </message>
    <message>
        <source>Free (simulation)</source>
        <translation>Libre (simulation)</translation>
    </message>
    <message>
        <source>Limit output</source>
        <translation>Sortie de seuil</translation>
    </message>
    <message>
        <source>Pulse output</source>
        <translation>Sortie impulsions</translation>
    </message>
    <message>
        <source>Internal interval</source>
        <translation>Intervalle interne</translation>
    </message>
    <message>
        <source>External synchronisation</source>
        <translation>Synchronisation externe</translation>
    </message>
    <message>
        <source>No interval</source>
        <translation>Pas d&apos;intervalle</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Non disponible</translation>
    </message>
    <message>
        <source>Synchronisation input</source>
        <translation>Entrée de synchronisation</translation>
    </message>
    <message>
        <source>Tariff input (HT/LT)</source>
        <translation>Entrée tarif (HP/HC)</translation>
    </message>
    <message>
        <source>Stop when full</source>
        <translation>Arrêt si plein</translation>
    </message>
    <message>
        <source>Overwrite oldest records</source>
        <translation>Écraser les plus anciens</translation>
    </message>
    <message>
        <source>no parity, 2 stop bits</source>
        <translation>sans parité, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>even parity, 2 stop bits</source>
        <translation>parité paire, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>odd parity, 2 stop bits</source>
        <translation>parité impaire, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>no parity, 1 stop bit</source>
        <translation>sans parité, 1 bit d&apos;arrêt</translation>
    </message>
    <message>
        <source>Fixed page</source>
        <translation>Page fixe</translation>
    </message>
    <message>
        <source>User pages</source>
        <translation>Pages utilisateur</translation>
    </message>
    <message>
        <source>Automatic loop</source>
        <translation>Défilement automatique</translation>
    </message>
    <message>
        <source>Loop by key</source>
        <translation>Défilement par touche</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>ZARO standard meter</source>
        <translation>Appareil ZARO standard</translation>
    </message>
    <message>
        <source>ZRM3 extended meter</source>
        <translation>Appareil ZRM3 étendu</translation>
    </message>
    <message>
        <source>ZRM3 with LANMOD57 module</source>
        <translation>ZRM3 avec module LANMOD57</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>code %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>The simulated meter could not be started: %1</source>
        <translation>L'appareil simulé n'a pas pu être démarré : %1</translation>
    </message>
    <message>
        <source>zaro-sim was found neither beside the program nor in /usr/bin.</source>
        <translation>zaro-sim est introuvable, ni à côté du programme ni dans /usr/bin.</translation>
    </message>
    <message>
        <source>the demo settings could not be written.</source>
        <translation>les réglages de la démo n'ont pas pu être écrits.</translation>
    </message>
    <message>
        <source>Demo — simulated meter</source>
        <translation>Démo — appareil simulé</translation>
    </message>
    <message>
        <source>The program could not be started a second time.</source>
        <translation>Le programme n'a pas pu être lancé une seconde fois.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ZARO Help</source>
        <translation>Aide ZARO</translation>
    </message>
    <message>
        <source>The help pages were not found in %1.</source>
        <translation>Les pages d&apos;aide sont introuvables dans %1.</translation>
    </message>
</context>
<context>
    <name>MainPanel</name>
    <message>
        <source>Device and interface</source>
        <translation>Appareil et interface</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Type d&apos;appareil</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>Module LANMOD57</translation>
    </message>
    <message>
        <source>without interface option</source>
        <translation>sans option interface</translation>
    </message>
    <message>
        <source>with interface option</source>
        <translation>avec option interface</translation>
    </message>
    <message>
        <source>1 A</source>
        <translation>1 A</translation>
    </message>
    <message>
        <source>5 A</source>
        <translation>5 A</translation>
    </message>
    <message>
        <source>Current input</source>
        <translation>Entrée courant</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Network system and transformers</source>
        <translation>Réseau et transformateurs</translation>
    </message>
    <message>
        <source>Network system</source>
        <translation>Type de réseau</translation>
    </message>
    <message>
        <source>cos-phi correction</source>
        <translation>Correction cos-phi</translation>
    </message>
    <message>
        <source>Frequency locked</source>
        <translation>Fréquence fixe</translation>
    </message>
    <message>
        <source>Nominal frequency</source>
        <translation>Fréquence nominale</translation>
    </message>
    <message>
        <source>Digital outputs</source>
        <translation>Sorties numériques</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Entrée numérique</translation>
    </message>
    <message>
        <source>Synchronisation</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>verrouillé</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Mode d&apos;affichage</translation>
    </message>
    <message>
        <source>Refresh time</source>
        <translation>Temps de rafraîchissement</translation>
    </message>
    <message>
        <source>Reactive quantities as incoming/outgoing</source>
        <translation>Grandeurs réactives en importé/exporté</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Puissances</translation>
    </message>
    <message>
        <source>Estimated recording time (days:hours:minutes)</source>
        <translation>Durée d&apos;enregistrement estimée (jours:heures:minutes)</translation>
    </message>
    <message>
        <source>Recording time</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Mean values</source>
        <translation>Valeurs moyennes</translation>
    </message>
    <message>
        <source>Measurand</source>
        <translation>Grandeur</translation>
    </message>
    <message>
        <source>Logged</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Min/max logger (LANMOD57)</source>
        <translation>Enregistreur min/max (LANMOD57)</translation>
    </message>
    <message>
        <source>Description of the meter (at most 47 characters)</source>
        <translation>Description de l&apos;appareil (47 caractères au plus)</translation>
    </message>
    <message>
        <source>Display &amp;pages...</source>
        <translation>&amp;Pages d'affichage...</translation>
    </message>
    <message>
        <source>Clear &amp;logger...</source>
        <translation>Effacer l'&amp;enregistreur...</translation>
    </message>
    <message>
        <source>%1, primary</source>
        <translation>%1, primaire</translation>
    </message>
    <message>
        <source>%1, secondary</source>
        <translation>%1, secondaire</translation>
    </message>
    <message>
        <source>Mean value %1, measurand</source>
        <translation>Valeur moyenne %1, grandeur</translation>
    </message>
    <message>
        <source>Mean value %1, logged</source>
        <translation>Valeur moyenne %1, enregistrée</translation>
    </message>
    <message>
        <source>Min/max channel %1, measurand</source>
        <translation>Voie min/max %1, grandeur</translation>
    </message>
    <message>
        <source>Min/max channel %1, recording</source>
        <translation>Voie min/max %1, enregistre</translation>
    </message>
</context>
<context>
    <name>MeasDisp</name>
    <message>
        <source>Voltages</source>
        <translation>Tensions</translation>
    </message>
    <message>
        <source>Currents</source>
        <translation>Courants</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Puissances</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>L1</source>
        <translation>L1</translation>
    </message>
    <message>
        <source>L2</source>
        <translation>L2</translation>
    </message>
    <message>
        <source>L3</source>
        <translation>L3</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Instantaneous values</source>
        <translation>Valeurs instantanées</translation>
    </message>
    <message>
        <source>Lit while the meter is being read</source>
        <translation>Allumé pendant la lecture de l&apos;appareil</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>Measurands</name>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>PF</source>
        <translation>PF</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>U1N</source>
        <translation>U1N</translation>
    </message>
    <message>
        <source>U2N</source>
        <translation>U2N</translation>
    </message>
    <message>
        <source>U3N</source>
        <translation>U3N</translation>
    </message>
    <message>
        <source>U12</source>
        <translation>U12</translation>
    </message>
    <message>
        <source>U23</source>
        <translation>U23</translation>
    </message>
    <message>
        <source>U31</source>
        <translation>U31</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>I1</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>I2</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>I3</source>
        <translation>I3</translation>
    </message>
    <message>
        <source>Iavg</source>
        <translation>Iavg</translation>
    </message>
    <message>
        <source>I1avg</source>
        <translation>I1avg</translation>
    </message>
    <message>
        <source>I2avg</source>
        <translation>I2avg</translation>
    </message>
    <message>
        <source>I3avg</source>
        <translation>I3avg</translation>
    </message>
    <message>
        <source>IN</source>
        <translation>IN</translation>
    </message>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>P3</source>
        <translation>P3</translation>
    </message>
    <message>
        <source>Q1</source>
        <translation>Q1</translation>
    </message>
    <message>
        <source>Q2</source>
        <translation>Q2</translation>
    </message>
    <message>
        <source>Q3</source>
        <translation>Q3</translation>
    </message>
    <message>
        <source>S1</source>
        <translation>S1</translation>
    </message>
    <message>
        <source>S2</source>
        <translation>S2</translation>
    </message>
    <message>
        <source>S3</source>
        <translation>S3</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>PF1</source>
        <translation>PF1</translation>
    </message>
    <message>
        <source>PF2</source>
        <translation>PF2</translation>
    </message>
    <message>
        <source>PF3</source>
        <translation>PF3</translation>
    </message>
    <message>
        <source>Umean</source>
        <translation>Umean</translation>
    </message>
    <message>
        <source>Imean</source>
        <translation>Imean</translation>
    </message>
    <message>
        <source>UNE</source>
        <translation>UNE</translation>
    </message>
    <message>
        <source>Unb.I</source>
        <translation>Unb.I</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Meter</source>
        <translation>&amp;Appareil</translation>
    </message>
    <message>
        <source>M&amp;easurements</source>
        <translation>M&amp;esures</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;New configuration</source>
        <translation>&amp;Nouvelle configuration</translation>
    </message>
    <message>
        <source>&amp;Open configuration...</source>
        <translation>&amp;Ouvrir une configuration...</translation>
    </message>
    <message>
        <source>&amp;Save configuration...</source>
        <translation>&amp;Enregistrer la configuration...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Receive configuration from meter</source>
        <translation>&amp;Recevoir la configuration de l&apos;appareil</translation>
    </message>
    <message>
        <source>Sen&amp;d configuration to meter</source>
        <translation>&amp;Envoyer la configuration à l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Version information</source>
        <translation>Informations de &amp;version</translation>
    </message>
    <message>
        <source>Restart &amp;mean-value interval</source>
        <translation>Redémarrer l&apos;intervalle de &amp;moyenne</translation>
    </message>
    <message>
        <source>&amp;Interface...</source>
        <translation>&amp;Interface...</translation>
    </message>
    <message>
        <source>&amp;Instantaneous values</source>
        <translation>Valeurs &amp;instantanées</translation>
    </message>
    <message>
        <source>Mi&amp;nimum and maximum values</source>
        <translation>Valeurs mi&amp;nimales et maximales</translation>
    </message>
    <message>
        <source>&amp;Energy meters</source>
        <translation>&amp;Compteurs d&apos;énergie</translation>
    </message>
    <message>
        <source>&amp;Mean values</source>
        <translation>Valeurs &amp;moyennes</translation>
    </message>
    <message>
        <source>&amp;Harmonics</source>
        <translation>&amp;Harmoniques</translation>
    </message>
    <message>
        <source>&amp;Simulation of digital outputs</source>
        <translation>&amp;Simulation des sorties numériques</translation>
    </message>
    <message>
        <source>&amp;Logger</source>
        <translation>&amp;Enregistreur</translation>
    </message>
    <message>
        <source>Logger &amp;without meter</source>
        <translation>Enregistreur sans a&amp;ppareil</translation>
    </message>
    <message>
        <source>Display &amp;pages...</source>
        <translation>&amp;Pages d&apos;affichage...</translation>
    </message>
    <message>
        <source>&amp;Brightness...</source>
        <translation>&amp;Luminosité...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About ZARO</source>
        <translation>&amp;À propos de ZARO</translation>
    </message>
    <message>
        <source>&amp;Back to the configuration</source>
        <translation>&amp;Retour à la configuration</translation>
    </message>
    <message>
        <source>&amp;Open logger file...</source>
        <translation>&amp;Ouvrir un fichier d&apos;enregistrement...</translation>
    </message>
    <message>
        <source>&amp;Save logger file...</source>
        <translation>&amp;Enregistrer le fichier d&apos;enregistrement...</translation>
    </message>
    <message>
        <source>&amp;Read from meter</source>
        <translation>&amp;Lire depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Profile graph</source>
        <translation>&amp;Graphique du profil</translation>
    </message>
    <message>
        <source>E&amp;xport to Excel...</source>
        <translation>E&amp;xporter vers Excel...</translation>
    </message>
    <message>
        <source>&amp;Minimum and maximum values</source>
        <translation>Valeurs &amp;minimales et maximales</translation>
    </message>
    <message>
        <source>Try with a &amp;simulated meter</source>
        <translation>&amp;Essayer avec un appareil simulé</translation>
    </message>
    <message>
        <source>Rese&amp;t logger...</source>
        <translation>E&amp;ffacer l'enregistreur...</translation>
    </message>
    <message>
        <source>Installation chec&amp;k</source>
        <translation>Contrôle de l'install&amp;ation</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The serial port does not exist or is used by another program. Choose another port in the interface dialog or close the other program.</source>
        <translation>Le port série n&apos;existe pas ou est utilisé par un autre programme. Choisissez un autre port dans la fenêtre Interface ou fermez l&apos;autre programme.</translation>
    </message>
    <message>
        <source>The serial port could not be configured. Check the port settings in the interface dialog and reconnect the converter.</source>
        <translation>Le port série n&apos;a pas pu être configuré. Vérifiez les paramètres du port dans la fenêtre Interface et rebranchez le convertisseur.</translation>
    </message>
    <message>
        <source>The meter&apos;s reply was incomplete or damaged. Check the cable and the connections, and that only one meter uses this address.</source>
        <translation>La réponse de l&apos;appareil était incomplète ou altérée. Vérifiez le câble et les raccordements, et qu&apos;un seul appareil utilise cette adresse.</translation>
    </message>
    <message>
        <source>No connection to the LANMOD57 module. Check its IP address, the network cable and that the module is switched on.</source>
        <translation>Pas de connexion au module LANMOD57. Vérifiez son adresse IP, le câble réseau et que le module est sous tension.</translation>
    </message>
    <message>
        <source>No connection to the gateway. Check its IP address, the TCP port and the network cable.</source>
        <translation>Pas de connexion à la passerelle. Vérifiez son adresse IP, le port TCP et le câble réseau.</translation>
    </message>
    <message>
        <source>The request could not be sent over the network. The connection was closed; try again.</source>
        <translation>La requête n&apos;a pas pu être envoyée sur le réseau. La connexion a été fermée ; réessayez.</translation>
    </message>
    <message>
        <source>%1 gave no valid reply in time. Check its connection to the meter and try again.</source>
        <translation>%1 n&apos;a pas donné de réponse valide à temps. Vérifiez sa liaison avec l&apos;appareil et réessayez.</translation>
    </message>
    <message>
        <source>%1 closed the connection before it replied. The request may have been carried out: check the result, then try again.</source>
        <translation>%1 a fermé la connexion avant de répondre. La requête a peut-être été exécutée : vérifiez le résultat, puis réessayez.</translation>
    </message>
    <message>
        <source>The gateway</source>
        <translation>La passerelle</translation>
    </message>
    <message>
        <source>The LANMOD57 module</source>
        <translation>Le module LANMOD57</translation>
    </message>
    <message>
        <source>The gateway gave no reply in time. Check the gateway and the meters behind it, then try again.</source>
        <translation>La passerelle n&apos;a pas répondu à temps. Vérifiez la passerelle et les appareils qui y sont raccordés, puis réessayez.</translation>
    </message>
    <message>
        <source>The addressed device does not respond. Check the device address and the device&apos;s connection.</source>
        <translation>L&apos;appareil interrogé ne répond pas. Vérifiez l&apos;adresse de l&apos;appareil et son raccordement.</translation>
    </message>
    <message>
        <source>The file cannot be opened. Check the name and that you may read it.</source>
        <translation>Impossible d&apos;ouvrir le fichier. Vérifiez le nom et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>The file has the wrong format and was not loaded. Nothing was changed.</source>
        <translation>Le fichier n&apos;a pas le bon format et n&apos;a pas été chargé. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The configuration is for a 1 A current input, but the meter has a 5 A input. Choose the meter&apos;s current range and send again.</source>
        <translation>La configuration est prévue pour une entrée courant 1 A, mais l&apos;appareil a une entrée 5 A. Choisissez le calibre de courant de l&apos;appareil et renvoyez la configuration.</translation>
    </message>
    <message>
        <source>The configuration is for a 5 A current input, but the meter has a 1 A input. Choose the meter&apos;s current range and send again.</source>
        <translation>La configuration est prévue pour une entrée courant 5 A, mais l&apos;appareil a une entrée 1 A. Choisissez le calibre de courant de l&apos;appareil et renvoyez la configuration.</translation>
    </message>
    <message>
        <source>The configuration is for another meter model. Choose the meter&apos;s model and send again.</source>
        <translation>La configuration est prévue pour un autre modèle d&apos;appareil. Choisissez le modèle de l&apos;appareil et renvoyez la configuration.</translation>
    </message>
    <message>
        <source>This meter does not measure harmonics. Harmonics are available on the ZRM3 model only.</source>
        <translation>Cet appareil ne mesure pas les harmoniques. Les harmoniques sont disponibles uniquement sur le modèle ZRM3.</translation>
    </message>
    <message>
        <source>The IP address is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>L&apos;adresse IP n&apos;est pas valide. Saisissez quatre nombres de 0 à 255 séparés par des points.</translation>
    </message>
    <message>
        <source>The subnet mask is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>Le masque de sous-réseau n&apos;est pas valide. Saisissez quatre nombres de 0 à 255 séparés par des points.</translation>
    </message>
    <message>
        <source>The default gateway address is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>L&apos;adresse de la passerelle par défaut n&apos;est pas valide. Saisissez quatre nombres de 0 à 255 séparés par des points.</translation>
    </message>
    <message>
        <source>The MAC address is not valid. Enter six pairs of hex digits 0-9, A-F separated by &apos;-&apos;, for example 00-30-11-0A-0B-0C.</source>
        <translation>L&apos;adresse MAC n&apos;est pas valide. Saisissez six paires de chiffres hexadécimaux 0-9, A-F séparées par &apos;-&apos;, par exemple 00-30-11-0A-0B-0C.</translation>
    </message>
    <message>
        <source>Send the configuration to the meter now? The meter&apos;s settings will be overwritten.</source>
        <translation>Envoyer maintenant la configuration à l&apos;appareil ? Les réglages de l&apos;appareil seront écrasés.</translation>
    </message>
    <message>
        <source>Clear the meter&apos;s logger? All logged records will be lost.</source>
        <translation>Effacer l&apos;enregistreur de l&apos;appareil ? Tous les enregistrements seront perdus.</translation>
    </message>
    <message>
        <source>The simulation frees the digital outputs from their limit or pulse function until it ends. Start the simulation?</source>
        <translation>Pendant la simulation, les sorties numériques ne remplissent plus leur fonction de seuil ou d&apos;impulsions, jusqu&apos;à la fin de la simulation. Démarrer la simulation ?</translation>
    </message>
    <message>
        <source>The meter&apos;s logger cannot be read (no meter, or nothing is logged). Open the logger anyway to work with files?</source>
        <translation>L&apos;enregistreur de l&apos;appareil ne peut pas être lu (pas d&apos;appareil, ou aucun enregistrement). Ouvrir quand même l&apos;enregistreur pour travailler avec des fichiers ?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the display refresh time. Send the configuration without it?</source>
        <translation>Le micrologiciel de l&apos;appareil ne prend pas en charge le temps de rafraîchissement de l&apos;affichage. Envoyer la configuration sans ce réglage ?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the cos-phi correction. Send the configuration without it?</source>
        <translation>Le micrologiciel de l&apos;appareil ne prend pas en charge la correction cos-phi. Envoyer la configuration sans ce réglage ?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the current unbalance display. Send the configuration without it?</source>
        <translation>Le micrologiciel de l&apos;appareil ne prend pas en charge l&apos;affichage du déséquilibre de courant. Envoyer la configuration sans ce réglage ?</translation>
    </message>
    <message>
        <source>The module&apos;s firmware may not support the min/max logger. Send the min/max logger settings anyway?</source>
        <translation>Le micrologiciel du module ne prend peut-être pas en charge l&apos;enregistreur min/max. Envoyer quand même les réglages de l&apos;enregistreur min/max ?</translation>
    </message>
    <message>
        <source>The logged quantities change. The logger should be cleared, or its records will no longer match. Continue sending?</source>
        <translation>Les grandeurs enregistrées changent. Effacez l&apos;enregistreur, sinon ses enregistrements ne correspondront plus. Continuer l&apos;envoi ?</translation>
    </message>
    <message>
        <source>Serial interface</source>
        <translation>Interface série</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Current input range</source>
        <translation>Calibre de l&apos;entrée courant</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Meter model</source>
        <translation>Modèle d&apos;appareil</translation>
    </message>
    <message>
        <source>Network connection</source>
        <translation>Connexion réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Paramètres réseau</translation>
    </message>
    <message>
        <source>ZARO</source>
        <translation>ZARO</translation>
    </message>
    <message>
        <source>Unexpected message (%1, %2).</source>
        <translation>Message inattendu (%1, %2).</translation>
    </message>
    <message>
        <source>The meter's present configuration could not be backed up, so this send could not be undone. Send without a backup?</source>
        <translation>La configuration actuelle de l'appareil n'a pas pu être sauvegardée ; cet envoi ne pourrait pas être annulé. Envoyer sans sauvegarde ?</translation>
    </message>
    <message>
        <source>The configuration holds values a configuration file cannot keep (for example a transformer ratio out of range). Nothing was saved.</source>
        <translation>La configuration contient des valeurs qu'un fichier de configuration ne peut pas conserver (par exemple un rapport de transformation hors limites). Rien n'a été enregistré.</translation>
    </message>
    <message>
        <source>The meter reports an energy scale that this program cannot show (more than 10^9 or less than 10^-9 Wh per count). The meters panel stays closed.</source>
        <translation>L&apos;appareil indique une échelle d&apos;énergie que ce programme ne peut pas afficher (plus de 10^9 ou moins de 10^-9 Wh par pas). L&apos;affichage des compteurs reste fermé.</translation>
    </message>
    <message>
        <source>The value to set is not a number the energy register can hold (0 up to its largest count). Nothing was written: correct the value and set again.</source>
        <translation>La valeur à régler n&apos;est pas un nombre que le registre d&apos;énergie peut contenir (de 0 à son plus grand comptage). Rien n&apos;a été écrit : corrigez la valeur et réglez à nouveau.</translation>
    </message>
    <message>
        <source>Nothing was exported. %1</source>
        <translation>Rien n'a été exporté. %1</translation>
    </message>
    <message>
        <source>The file cannot be created there. Choose another folder or name.</source>
        <translation>Le fichier ne peut pas être créé à cet endroit. Choisissez un autre dossier ou un autre nom.</translation>
    </message>
    <message>
        <source>The file could not be written completely. Check the free space and try again.</source>
        <translation>Le fichier n'a pas pu être écrit entièrement. Vérifiez l'espace libre et réessayez.</translation>
    </message>
    <message>
        <source>The records do not fit into the 1048576 rows of a worksheet. Export them as CSV instead.</source>
        <translation>Les enregistrements ne tiennent pas dans les 1048576 lignes d'une feuille de calcul. Exportez-les plutôt au format CSV.</translation>
    </message>
    <message>
        <source>The logged records are incomplete. Read the logger or open the file again.</source>
        <translation>Les enregistrements sont incomplets. Relisez l'enregistreur ou rouvrez le fichier.</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>L'exportation a été annulée.</translation>
    </message>
    <message>
        <source>The module's logger data cannot be shown: %1. Download it again or open another file.</source>
        <translation>Les données d'enregistrement du module ne peuvent pas être affichées : %1. Téléchargez-les à nouveau ou ouvrez un autre fichier.</translation>
    </message>
    <message>
        <source>The LANMOD57 module did not finish sending its logger data in time. Check the network connection and try again.</source>
        <translation>Le module LANMOD57 n'a pas fini d'envoyer ses données d'enregistrement à temps. Vérifiez la connexion réseau et réessayez.</translation>
    </message>
    <message>
        <source>The module's logger data is larger than 4 MiB and was not taken. Nothing was changed.</source>
        <translation>Les données d'enregistrement du module dépassent 4 Mio et n'ont pas été reprises. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>Communication error: the module's reply was not a valid HTTP reply (data transmission failure). Try again.</source>
        <translation>Erreur de communication : la réponse du module n'était pas une réponse HTTP valide (échec de la transmission des données). Réessayez.</translation>
    </message>
    <message>
        <source>The LANMOD57 module refused the logger download (%1). Check the module's address and try again.</source>
        <translation>Le module LANMOD57 a refusé le téléchargement des données d'enregistrement (%1). Vérifiez l'adresse du module et réessayez.</translation>
    </message>
    <message>
        <source>Invalid structure of logger data</source>
        <translation>Structure des données d'enregistrement invalide</translation>
    </message>
    <message>
        <source>No data found</source>
        <translation>Aucune donnée trouvée</translation>
    </message>
    <message>
        <source>more than 255 sequences</source>
        <translation>plus de 255 séquences</translation>
    </message>
    <message>
        <source>more than 23 channels in a sequence</source>
        <translation>plus de 23 canaux dans une séquence</translation>
    </message>
    <message>
        <source>more than 699050 values</source>
        <translation>plus de 699050 valeurs</translation>
    </message>
    <message>
        <source>more than 299593 time stamps</source>
        <translation>plus de 299593 horodatages</translation>
    </message>
    <message>
        <source>The records lie more than a day apart, so the profile graph, which shows one day at a time, cannot draw them. Check the logging interval and the dates and times of the records.</source>
        <translation>Les enregistrements sont espacés de plus d&apos;un jour ; le graphique de profil, qui montre un jour à la fois, ne peut pas les afficher. Vérifiez l&apos;intervalle d&apos;enregistrement ainsi que la date et l&apos;heure des enregistrements.</translation>
    </message>
    <message>
        <source>The settings file could not be written. Check that the settings folder exists and that you may write to it, then try again.</source>
        <translation>Le fichier des paramètres n&apos;a pas pu être écrit. Vérifiez que le dossier des paramètres existe et que vous avez le droit d&apos;y écrire, puis réessayez.</translation>
    </message>
    <message>
        <source>Send configuration</source>
        <translation>Envoyer la configuration</translation>
    </message>
    <message>
        <source>The file was not saved. %1</source>
        <translation>Le fichier n&apos;a pas été enregistré. %1</translation>
    </message>
    <message>
        <source>That name belongs to a folder, a link or a device, not to a file. Choose another name.</source>
        <translation>Ce nom désigne un dossier, un lien ou un périphérique, pas un fichier. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation>Journal de communication</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Reset the ticked energy registers to zero? The energy they counted, shown below, will be lost for good.</source>
        <translation>Remettre à zéro les compteurs d'énergie cochés ? L'énergie comptée, indiquée ci-dessous, sera définitivement perdue.</translation>
    </message>
    <message>
        <source>Set the ticked energy registers to the values below? The energy they counted will be overwritten for good.</source>
        <translation>Régler les compteurs d'énergie cochés sur les valeurs ci-dessous ? L'énergie comptée sera définitivement écrasée.</translation>
    </message>
    <message>
        <source>Reset the ticked minimum and maximum values? The extremes the meter recorded will be lost for good.</source>
        <translation>Remettre à zéro les valeurs minimales et maximales cochées ? Les extrêmes enregistrés par l'appareil seront définitivement perdus.</translation>
    </message>
    <message>
        <source>Reset all minimum and maximum values? Every extreme the meter recorded will be lost for good.</source>
        <translation>Remettre à zéro toutes les valeurs minimales et maximales ? Tous les extrêmes enregistrés par l'appareil seront définitivement perdus.</translation>
    </message>
    <message>
        <source>Restart the mean-value interval now? The means of the running interval will be lost for good.</source>
        <translation>Redémarrer maintenant l'intervalle de moyenne ? Les moyennes de l'intervalle en cours seront définitivement perdues.</translation>
    </message>
    <message>
        <source>Reset the maxima of the voltage harmonics, the THD and the voltage unbalance? The maxima the meter recorded will be lost for good.</source>
        <translation>Remettre à zéro les maxima des harmoniques de tension, du THD et du déséquilibre de tension ? Les maxima enregistrés par l'appareil seront définitivement perdus.</translation>
    </message>
    <message>
        <source>Reset the maxima of the current harmonics and the THD? The maxima the meter recorded will be lost for good.</source>
        <translation>Remettre à zéro les maxima des harmoniques de courant et du THD ? Les maxima enregistrés par l'appareil seront définitivement perdus.</translation>
    </message>
    <message>
        <source>Reset the ticked minima and maxima of the mean values? The extremes the meter recorded will be lost for good.</source>
        <translation>Remettre à zéro les minima et maxima cochés des valeurs moyennes ? Les extrêmes enregistrés par l'appareil seront définitivement perdus.</translation>
    </message>
    <message>
        <source>The configuration was changed and the changes were not saved. Save them to a file first?</source>
        <translation>La configuration a été modifiée et les modifications n'ont pas été enregistrées. Les enregistrer d'abord dans un fichier ?</translation>
    </message>
    <message>
        <source>The meter does not answer (port, address, baud rate, format, time-out: %1). Check the cable, the port, the address and the baud rate, and that the meter is switched on.</source>
        <translation>L'appareil ne répond pas (port, adresse, vitesse, format, délai : %1). Vérifiez le câble, le port, l'adresse et la vitesse de transmission, et que l'appareil est sous tension.</translation>
    </message>
    <message>
        <source>The test found no meter: the version request got no valid answer (port, address, baud rate, format, time-out: %1). Check the cable, the port, the address and the baud rate, and that the meter is switched on.</source>
        <translation>Le test n'a trouvé aucun appareil : la demande de version n'a reçu aucune réponse valide (port, adresse, vitesse, format, délai : %1). Vérifiez le câble, le port, l'adresse et la vitesse de transmission, et que l'appareil est sous tension.</translation>
    </message>
    <message>
        <source>The test found no meter: the version request got no valid answer (IP address and TCP port, meter address, time-out: %1). Check the IP address, the network cable and the meter behind the device.</source>
        <translation>Le test n'a trouvé aucun appareil : la demande de version n'a reçu aucune réponse valide (adresse IP et port TCP, adresse de l'appareil, délai : %1). Vérifiez l'adresse IP, le câble réseau et l'appareil qui se trouve derrière.</translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation>Contrôle de l'installation</translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation>Procès-verbal de mise en service</translation>
    </message>
    <message>
        <source>The commissioning record was not written. %1</source>
        <translation>Le procès-verbal de mise en service n'a pas été écrit. %1</translation>
    </message>
</context>
<context>
    <name>SelComm</name>
    <message>
        <source>Addresses 1 to 32</source>
        <translation>Adresses 1 à 32</translation>
    </message>
    <message>
        <source>Addresses 1 to 247</source>
        <translation>Adresses 1 à 247</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Vitesse (bauds)</translation>
    </message>
    <message>
        <source>No parity, 2 stop bits</source>
        <translation>Sans parité, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>Even parity, 2 stop bits</source>
        <translation>Parité paire, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>Odd parity, 2 stop bits</source>
        <translation>Parité impaire, 2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>No parity, 1 stop bit</source>
        <translation>Sans parité, 1 bit d&apos;arrêt</translation>
    </message>
    <message>
        <source>Character format</source>
        <translation>Format des caractères</translation>
    </message>
    <message>
        <source>RTS direction control</source>
        <translation>Commande du sens d&apos;émission par RTS</translation>
    </message>
    <message>
        <source>Close the port after each operation</source>
        <translation>Fermer le port après chaque opération</translation>
    </message>
    <message>
        <source>Searching address %1 ...</source>
        <translation>Recherche de l&apos;adresse %1 ...</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>RS-485</source>
        <translation>RS-485</translation>
    </message>
    <message>
        <source>Netbiter gateway (Modbus/TCP)</source>
        <translation>Passerelle Netbiter (Modbus/TCP)</translation>
    </message>
    <message>
        <source>LANMOD57 module (Modbus/TCP)</source>
        <translation>Module LANMOD57 (Modbus/TCP)</translation>
    </message>
    <message>
        <source>Reply time-out</source>
        <translation>Délai de réponse</translation>
    </message>
    <message>
        <source>RS-485 addresses</source>
        <translation>Adresses RS-485</translation>
    </message>
    <message>
        <source>Network devices</source>
        <translation>Appareils réseau</translation>
    </message>
    <message>
        <source>RS-485 is offered only when the settings name it: set COMType = 1 in section [Interface] of %1 and open this dialog again. RS-232 stays in use.</source>
        <translation>RS-485 n'est proposé que si les paramètres le nomment : mettez COMType = 1 dans la section [Interface] de %1 et rouvrez cette boîte de dialogue. RS-232 reste utilisé.</translation>
    </message>
    <message>
        <source>A gateway is offered only when the settings name it: set COMType = 2 in section [Interface] of %1 and open this dialog again, then press Scan or add a gateway by its IP address. RS-232 stays in use.</source>
        <translation>Une passerelle n'est proposée que si les paramètres la nomment : mettez COMType = 2 dans la section [Interface] de %1, rouvrez cette boîte de dialogue, puis appuyez sur Rechercher ou ajoutez une passerelle par son adresse IP. RS-232 reste utilisé.</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Tester la connexion</translation>
    </message>
    <message>
        <source>Testing the connection ...</source>
        <translation>Test de la connexion ...</translation>
    </message>
    <message>
        <source>The meter answered: %1, firmware %2, address %3.</source>
        <translation>L'appareil a répondu : %1, micrologiciel %2, adresse %3.</translation>
    </message>
    <message>
        <source>No valid answer. Tried: %1</source>
        <translation>Aucune réponse valide. Essayé : %1</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Meter address</source>
        <translation>Adresse de l&apos;appareil</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>Module LANMOD57</translation>
    </message>
</context>
<context>
    <name>ConfigSettings</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>limit output %1 %2/%3 %4</source>
        <translation>sortie de seuil %1 %2/%3 %4</translation>
    </message>
    <message>
        <source>pulse output %1 %2 /%3</source>
        <translation>sortie d'impulsions %1 %2 /%3</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>incoming/outgoing</source>
        <translation>importé/exporté</translation>
    </message>
    <message>
        <source>inductive/capacitive</source>
        <translation>inductif/capacitif</translation>
    </message>
    <message>
        <source>%1, logged</source>
        <translation>%1, enregistrée</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Type d'appareil</translation>
    </message>
    <message>
        <source>Current input range</source>
        <translation>Calibre de courant</translation>
    </message>
    <message>
        <source>Voltage input range</source>
        <translation>Calibre de tension</translation>
    </message>
    <message>
        <source>Interface option</source>
        <translation>Option interface</translation>
    </message>
    <message>
        <source>Network system</source>
        <translation>Type de réseau</translation>
    </message>
    <message>
        <source>Cos-phi correction</source>
        <translation>Correction cos phi</translation>
    </message>
    <message>
        <source>Nominal frequency</source>
        <translation>Fréquence nominale</translation>
    </message>
    <message>
        <source>Frequency locked</source>
        <translation>Fréquence fixe</translation>
    </message>
    <message>
        <source>Synchronisation interval</source>
        <translation>Intervalle de synchronisation</translation>
    </message>
    <message>
        <source>Tariff input</source>
        <translation>Entrée tarif</translation>
    </message>
    <message>
        <source>External synchronisation</source>
        <translation>Synchronisation externe</translation>
    </message>
    <message>
        <source>Logger mode</source>
        <translation>Mode de l'enregistreur</translation>
    </message>
    <message>
        <source>Logged quantities</source>
        <translation>Grandeurs enregistrées</translation>
    </message>
    <message>
        <source>Display refresh time</source>
        <translation>Temps de rafraîchissement</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Mode d'affichage</translation>
    </message>
    <message>
        <source>Display mode locked</source>
        <translation>Mode d'affichage verrouillé</translation>
    </message>
    <message>
        <source>Loop time</source>
        <translation>Temps de défilement</translation>
    </message>
    <message>
        <source>Reactive quantities</source>
        <translation>Grandeurs réactives</translation>
    </message>
    <message>
        <source>Current unbalance instead of IN</source>
        <translation>Déséquilibre de courant au lieu de IN</translation>
    </message>
    <message>
        <source>Display pages (loop set)</source>
        <translation>Pages d'affichage (défilement)</translation>
    </message>
    <message>
        <source>Display pages (user set)</source>
        <translation>Pages d'affichage (utilisateur)</translation>
    </message>
    <message>
        <source>Mean value %1</source>
        <translation>Valeur moyenne %1</translation>
    </message>
    <message>
        <source>Min/max logger channel %1</source>
        <translation>Enregistreur min/max voie %1</translation>
    </message>
</context>
<context>
    <name>ConfigDiff</name>
    <message>
        <source>The configurations are the same.</source>
        <translation>Les configurations sont identiques.</translation>
    </message>
    <message>
        <source>Settings that differ: %1</source>
        <translation>Réglages différents : %1</translation>
    </message>
    <message>
        <source>Compare configurations</source>
        <translation>Comparer des configurations</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Appareil</translation>
    </message>
</context>
<context>
    <name>DetailsDialog</name>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
</context>
<context>
    <name>CommLogWindow</name>
    <message>
        <source>Requests %1 · good replies %2 · retries %3 · time-outs %4 · CRC errors %5 · exceptions %6 · reply time mean %7 ms, longest %8 ms</source>
        <translation>Requêtes %1 · bonnes réponses %2 · répétitions %3 · délais dépassés %4 · erreurs CRC %5 · exceptions %6 · temps de réponse moyen %7 ms, maximal %8 ms</translation>
    </message>
    <message>
        <source>All frames</source>
        <translation>Toutes les trames</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Problèmes seulement</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>Délais dépassés</translation>
    </message>
    <message>
        <source>CRC errors</source>
        <translation>Erreurs CRC</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Exceptions</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registres</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation>Journal de communication</translation>
    </message>
    <message>
        <source>Save communication log</source>
        <translation>Enregistrer le journal de communication</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save as text...</source>
        <translation>&amp;Enregistrer en texte...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>E&amp;ffacer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Afficher :</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Trames</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Compare configuration &amp;files...</source>
        <translation>Comparer des &amp;fichiers de configuration...</translation>
    </message>
    <message>
        <source>Compare file with &amp;meter...</source>
        <translation>Comparer un fichier avec l'&amp;appareil...</translation>
    </message>
    <message>
        <source>Communication &amp;log...</source>
        <translation>&amp;Journal de communication...</translation>
    </message>
    <message>
        <source>&amp;Voltage harmonics</source>
        <translation>Harmoniques de &amp;tension</translation>
    </message>
    <message>
        <source>C&amp;urrent harmonics</source>
        <translation>Harmoniques de co&amp;urant</translation>
    </message>
    <message>
        <source>&amp;Reset logger...</source>
        <translation>E&amp;ffacer l'enregistreur...</translation>
    </message>
    <message>
        <source>Commissioning &amp;record...</source>
        <translation>Procès-verbal de mise en &amp;service...</translation>
    </message>
</context>
<context>
    <name>ProfilePanel</name>
    <message>
        <source>Profile display</source>
        <translation>Affichage des profils</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>All channels as lines</source>
        <translation>Tous les canaux en lignes</translation>
    </message>
    <message>
        <source>First channel as bars</source>
        <translation>Premier canal en barres</translation>
    </message>
    <message>
        <source>Printed %1 %2</source>
        <translation>Imprimé le %1 à %2</translation>
    </message>
    <message>
        <source>&lt;&lt; P&amp;revious day</source>
        <translation>&lt;&lt; Jour &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next day &gt;&gt;</source>
        <translation>Jour &amp;suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Re&amp;store</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>ProfileGraph</name>
    <message>
        <source>The picture size must lie between 320x200 and 10000x10000.</source>
        <translation>La taille de l'image doit être comprise entre 320x200 et 10000x10000.</translation>
    </message>
    <message>
        <source>The picture file must end in .png or .pdf.</source>
        <translation>Le fichier image doit se terminer par .png ou .pdf.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n'a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>LivePanel</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Lit while the meter is being read</source>
        <translation>Allumé pendant la lecture de l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>MinMaxDisp</name>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Valeurs minimales et maximales</translation>
    </message>
    <message>
        <source>Voltage maxima</source>
        <translation>Maxima des tensions</translation>
    </message>
    <message>
        <source>Current maxima</source>
        <translation>Maxima des courants</translation>
    </message>
    <message>
        <source>Mean current maxima</source>
        <translation>Maxima des courants moyens</translation>
    </message>
    <message>
        <source>Power maxima</source>
        <translation>Maxima des puissances</translation>
    </message>
    <message>
        <source>Active power maxima</source>
        <translation>Maxima de la puissance active</translation>
    </message>
    <message>
        <source>Reactive power maxima</source>
        <translation>Maxima de la puissance réactive</translation>
    </message>
    <message>
        <source>Apparent power maxima</source>
        <translation>Maxima de la puissance apparente</translation>
    </message>
    <message>
        <source>Voltage minima</source>
        <translation>Minima des tensions</translation>
    </message>
    <message>
        <source>Power factor minima and frequency</source>
        <translation>Minima du facteur de puissance et fréquence</translation>
    </message>
    <message>
        <source>UNE maximum</source>
        <translation>Maximum UNE</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>&amp;Reset ticked extremes</source>
        <translation>&amp;Remettre à zéro les extrêmes cochés</translation>
    </message>
</context>
<context>
    <name>MeterDisp</name>
    <message>
        <source>Energy meters</source>
        <translation>Compteurs d&apos;énergie</translation>
    </message>
    <message>
        <source>Active energy incoming</source>
        <translation>Énergie active consommée</translation>
    </message>
    <message>
        <source>Active energy outgoing</source>
        <translation>Énergie active fournie</translation>
    </message>
    <message>
        <source>Reactive energy inductive</source>
        <translation>Énergie réactive inductive</translation>
    </message>
    <message>
        <source>Reactive energy capacitive</source>
        <translation>Énergie réactive capacitive</translation>
    </message>
    <message>
        <source>Reactive energy incoming</source>
        <translation>Énergie réactive consommée</translation>
    </message>
    <message>
        <source>Reactive energy outgoing</source>
        <translation>Énergie réactive fournie</translation>
    </message>
    <message>
        <source>Tariff 1 (high)</source>
        <translation>Tarif 1 (plein)</translation>
    </message>
    <message>
        <source>Tariff 2 (low)</source>
        <translation>Tarif 2 (creux)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>&amp;Set ticked registers</source>
        <translation>&amp;Régler les compteurs cochés</translation>
    </message>
    <message>
        <source>&amp;Reset ticked registers</source>
        <translation>Remettre à &amp;zéro les compteurs cochés</translation>
    </message>
    <message>
        <source>Switch &amp;tariff</source>
        <translation>Changer de &amp;tarif</translation>
    </message>
    <message>
        <source>Reset %1</source>
        <translation>Remettre à zéro %1</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Régler %1</translation>
    </message>
</context>
<context>
    <name>MeanDisp</name>
    <message>
        <source>Mean values</source>
        <translation>Valeurs moyennes</translation>
    </message>
    <message>
        <source>Power mean values</source>
        <translation>Puissances moyennes</translation>
    </message>
    <message>
        <source>Free mean values</source>
        <translation>Valeurs moyennes libres</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Last interval</source>
        <translation>Intervalle précédent</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendance</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Mean value</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Reset min</source>
        <translation>RAZ min.</translation>
    </message>
    <message>
        <source>Reset max</source>
        <translation>RAZ max.</translation>
    </message>
    <message>
        <source>no measurand</source>
        <translation>aucune grandeur</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>&amp;Reset ticked extremes</source>
        <translation>&amp;Remettre à zéro les extrêmes cochés</translation>
    </message>
    <message>
        <source>Reset minimum of %1</source>
        <translation>Remettre à zéro le minimum de %1</translation>
    </message>
    <message>
        <source>Reset maximum of %1</source>
        <translation>Remettre à zéro le maximum de %1</translation>
    </message>
</context>
<context>
    <name>HarmDisp</name>
    <message>
        <source>Voltage harmonics [%]</source>
        <translation>Harmoniques de tension [%]</translation>
    </message>
    <message>
        <source>Current harmonics [%]</source>
        <translation>Harmoniques de courant [%]</translation>
    </message>
    <message>
        <source>THD</source>
        <translation>THD</translation>
    </message>
    <message>
        <source>Voltage unbalance [%]</source>
        <translation>Déséquilibre de tension [%]</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Harmonic order</source>
        <translation>Rang de l'harmonique</translation>
    </message>
    <message>
        <source>Share of the fundamental [%]</source>
        <translation>Part du fondamental [%]</translation>
    </message>
    <message>
        <source>&amp;Reset maxima</source>
        <translation>&amp;Remettre à zéro les maxima</translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation>Harmoniques</translation>
    </message>
</context>
<context>
    <name>NetDevices</name>
    <message>
        <source>Add LANMOD57 module</source>
        <translation>Ajouter un module LANMOD57</translation>
    </message>
    <message>
        <source>Add gateway</source>
        <translation>Ajouter une passerelle</translation>
    </message>
    <message>
        <source>Cancelled: nothing was sent to the gateway.</source>
        <translation>Annulé : rien n'a été envoyé à la passerelle.</translation>
    </message>
    <message>
        <source>Communication error !</source>
        <translation>Erreur de communication !</translation>
    </message>
    <message>
        <source>DHCP off (fixed address)</source>
        <translation>DHCP désactivé (adresse fixe)</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP activé</translation>
    </message>
    <message>
        <source>Default gateway</source>
        <translation>Passerelle par défaut</translation>
    </message>
    <message>
        <source>Default password</source>
        <translation>Mot de passe par défaut</translation>
    </message>
    <message>
        <source>Delete LANMOD57 module</source>
        <translation>Supprimer le module LANMOD57</translation>
    </message>
    <message>
        <source>Delete gateway</source>
        <translation>Supprimer la passerelle</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>More than 256 devices answered; only the first 256 are listed.</source>
        <translation>Plus de 256 appareils ont répondu ; seuls les 256 premiers sont listés.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Open web page</source>
        <translation>Ouvrir la page web</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Password of the gateway</source>
        <translation>Mot de passe de la passerelle</translation>
    </message>
    <message>
        <source>Scanning for Gateways...</source>
        <translation>Recherche des passerelles...</translation>
    </message>
    <message>
        <source>Scanning for LANMOD57 devices...</source>
        <translation>Recherche des appareils LANMOD57...</translation>
    </message>
    <message>
        <source>Some gateways sent incomplete or overlong settings; what did not fit was left out.</source>
        <translation>Certaines passerelles ont envoyé des réglages incomplets ou trop longs ; ce qui ne tenait pas a été omis.</translation>
    </message>
    <message>
        <source>Store modified configuration data...</source>
        <translation>Enregistrement des données de configuration modifiées...</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>Port TCP</translation>
    </message>
    <message>
        <source>UDP Open error !</source>
        <translation>Erreur d'ouverture UDP !</translation>
    </message>
    <message>
        <source>UDP Write error !</source>
        <translation>Erreur d'écriture UDP !</translation>
    </message>
    <message>
        <source>No gateway known yet: press Scan, or add one by its IP address below.</source>
        <translation>Aucune passerelle connue : appuyez sur Rechercher ou ajoutez-en une ci-dessous par son adresse IP.</translation>
    </message>
    <message>
        <source>No LANMOD57 module known yet: press Scan, or add one by its IP address below.</source>
        <translation>Aucun module LANMOD57 connu : appuyez sur Rechercher ou ajoutez-en un ci-dessous par son adresse IP.</translation>
    </message>
    <message>
        <source>Add by IP address:</source>
        <translation>Ajouter par adresse IP :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Rechercher</translation>
    </message>
</context>
<context>
    <name>LoggerPanel</name>
    <message>
        <source>(entered by hand)</source>
        <translation>(saisi à la main)</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>At least 10 seconds.</source>
        <translation>Au moins 10 secondes.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Channels in yellow hold no valid value.</source>
        <translation>Les canaux en jaune ne contiennent aucune valeur valide.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Appareil :</translation>
    </message>
    <message>
        <source>Interval (mm:ss):</source>
        <translation>Intervalle (mm:ss) :</translation>
    </message>
    <message>
        <source>Lit while the logger status is read</source>
        <translation>Allumé pendant la lecture de l'état de l'enregistreur</translation>
    </message>
    <message>
        <source>Logger interval</source>
        <translation>Intervalle de l'enregistreur</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Valeurs minimales et maximales</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutes :</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>Open logger file</source>
        <translation>Ouvrir un fichier d'enregistrement</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Enregistrements :</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Secondes :</translation>
    </message>
    <message>
        <source>Selected record:</source>
        <translation>Enregistrement choisi :</translation>
    </message>
    <message>
        <source>Store logger file</source>
        <translation>Enregistrer le fichier d'enregistrement</translation>
    </message>
    <message>
        <source>The file holds fewer than two records: an interval of 15 minutes is assumed.</source>
        <translation>Le fichier contient moins de deux enregistrements : un intervalle de 15 minutes est supposé.</translation>
    </message>
    <message>
        <source>Time of the newest record</source>
        <translation>Heure de l'enregistrement le plus récent</translation>
    </message>
    <message>
        <source>Time span (dd:hh:mm):</source>
        <translation>Durée (jj:hh:mm) :</translation>
    </message>
    <message>
        <source>Uncertain: the logger was interrupted at this record or a newer one.</source>
        <translation>Incertain : l'enregistreur a été interrompu à cet enregistrement ou à un plus récent.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>The logger memory is full and stopped recording. When was its newest record taken?</source>
        <translation>La mémoire de l'enregistreur est pleine et a cessé d'enregistrer. Quand son enregistrement le plus récent a-t-il été pris ?</translation>
    </message>
    <message>
        <source>The meter's interval is synchronised from outside. Enter the interval of its records:</source>
        <translation>L'intervalle de l'appareil est synchronisé de l'extérieur. Saisissez l'intervalle de ses enregistrements :</translation>
    </message>
    <message>
        <source>Times in red are uncertain: the logger was interrupted at that record or a newer one.</source>
        <translation>Les heures en rouge sont incertaines : l'enregistreur a été interrompu à cet enregistrement ou à un plus récent.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
</context>
<context>
    <name>ExcelExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export logger data</source>
        <translation>Exporter les données de l'enregistreur</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File saved</source>
        <translation>Fichier enregistré</translation>
    </message>
    <message>
        <source>The file was saved as
%1
No program to open it was found.</source>
        <translation>Le fichier a été enregistré sous
%1
Aucun programme pour l'ouvrir n'a été trouvé.</translation>
    </message>
</context>
<context>
    <name>Logger57</name>
    <message>
        <source>Date      Time</source>
        <translation>Date      Heure</translation>
    </message>
    <message>
        <source>Open logger file</source>
        <translation>Ouvrir un fichier d'enregistreur</translation>
    </message>
    <message>
        <source>Save logger file</source>
        <translation>Enregistrer le fichier d'enregistreur</translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Valeurs minimales et maximales</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>&lt; Pre&amp;vious sequence</source>
        <translation>&lt; Séquence pré&amp;cédente</translation>
    </message>
    <message>
        <source>&amp;Next sequence &gt;</source>
        <translation>Séquence &amp;suivante &gt;</translation>
    </message>
    <message>
        <source>&amp;Read from module</source>
        <translation>&amp;Lire depuis le module</translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation>&amp;Ouvrir un fichier...</translation>
    </message>
    <message>
        <source>&amp;Save file...</source>
        <translation>&amp;Enregistrer le fichier...</translation>
    </message>
    <message>
        <source>&amp;Minimum and maximum</source>
        <translation>&amp;Minimum et maximum</translation>
    </message>
    <message>
        <source>&amp;Profile graph</source>
        <translation>&amp;Graphique de profil</translation>
    </message>
    <message>
        <source>&amp;Export to Excel...</source>
        <translation>E&amp;xporter vers Excel...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Minima and maxima</source>
        <translation>Minima et maxima</translation>
    </message>
</context>
<context>
    <name>DispModePanel</name>
    <message>
        <source>Loop: %1 of %3 pages, user: %2 of %3 pages</source>
        <translation>Boucle : %1 sur %3 pages, utilisateur : %2 sur %3 pages</translation>
    </message>
    <message>
        <source>Click to switch the whole row</source>
        <translation>Cliquer pour basculer toute la ligne</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Mode d&apos;affichage</translation>
    </message>
    <message>
        <source>Loop time</source>
        <translation>Durée de boucle</translation>
    </message>
    <message>
        <source>Loop pages</source>
        <translation>Pages de la boucle</translation>
    </message>
    <message>
        <source>User pages</source>
        <translation>Pages utilisateur</translation>
    </message>
    <message>
        <source>Current unbalance instead of IN</source>
        <translation>Déséquilibre de courant au lieu de IN</translation>
    </message>
    <message>
        <source>Display pages</source>
        <translation>Pages d&apos;affichage</translation>
    </message>
    <message>
        <source>Double-click a page or press Space to switch it; yellow pages are shown by the meter.</source>
        <translation>Double-clic ou Espace bascule une page ; les pages jaunes sont affichées par l&apos;appareil.</translation>
    </message>
    <message>
        <source>C&amp;lear set</source>
        <translation>&amp;Vider la sélection</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>SimulationPanel</name>
    <message>
        <source>The connection failed and the simulation has ended. The outputs have their functions back.</source>
        <translation>La connexion a échoué et la simulation est terminée. Les sorties ont retrouvé leurs fonctions.</translation>
    </message>
    <message>
        <source>The connection failed and the simulation has ended, but the outputs could not be given their functions back. Check the connection and close: closing tries again.</source>
        <translation>La connexion a échoué et la simulation est terminée, mais les sorties n&apos;ont pas pu retrouver leurs fonctions. Vérifiez la connexion et fermez : la fermeture réessaie.</translation>
    </message>
    <message>
        <source>Digital output 2</source>
        <translation>Sortie numérique 2</translation>
    </message>
    <message>
        <source>Digital output 1</source>
        <translation>Sortie numérique 1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Simulation of the digital outputs</source>
        <translation>Simulation des sorties numériques</translation>
    </message>
    <message>
        <source>The outputs could not be given their limit or pulse functions back. Check the connection and close again to retry; if that fails too, send the configuration to the meter later to restore them.</source>
        <translation>Les sorties n&apos;ont pas pu retrouver leur fonction de seuil ou d&apos;impulsion. Vérifiez la connexion et fermez à nouveau ; si cela échoue aussi, envoyez plus tard la configuration à l&apos;appareil pour les rétablir.</translation>
    </message>
    <message>
        <source>The simulation did not start, and the outputs it freed could not be given their functions back.</source>
        <translation>La simulation n&apos;a pas démarré et les sorties libérées n&apos;ont pas pu retrouver leurs fonctions.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Display brightness</source>
        <translation>Luminosité de l&apos;afficheur</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Clair</translation>
    </message>
</context>
<context>
    <name>CommLog</name>
    <message>
        <source>request</source>
        <translation>requête</translation>
    </message>
    <message>
        <source>retry %1</source>
        <translation>répétition %1</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>diffusion</translation>
    </message>
    <message>
        <source>good reply, %1 ms</source>
        <translation>réponse correcte, %1 ms</translation>
    </message>
    <message>
        <source>exception %1 (%2), %3 ms</source>
        <translation>exception %1 (%2), %3 ms</translation>
    </message>
    <message>
        <source>CRC error</source>
        <translation>erreur CRC</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>longueur incorrecte</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>connection closed</source>
        <translation>connexion fermée</translation>
    </message>
    <message>
        <source>invalid reply</source>
        <translation>réponse invalide</translation>
    </message>
    <message>
        <source>illegal function</source>
        <translation>fonction illégale</translation>
    </message>
    <message>
        <source>illegal data address</source>
        <translation>adresse de données illégale</translation>
    </message>
    <message>
        <source>illegal data value</source>
        <translation>valeur de données illégale</translation>
    </message>
    <message>
        <source>device failure</source>
        <translation>défaillance de l'appareil</translation>
    </message>
    <message>
        <source>acknowledge</source>
        <translation>acquittement</translation>
    </message>
    <message>
        <source>device busy</source>
        <translation>appareil occupé</translation>
    </message>
    <message>
        <source>gateway path unavailable</source>
        <translation>chemin de passerelle indisponible</translation>
    </message>
    <message>
        <source>target device failed to respond</source>
        <translation>l'appareil cible ne répond pas</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>RS-485</source>
        <translation>RS-485</translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation>RS-232</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>Module LANMOD57</translation>
    </message>
    <message>
        <source>%1, address %2</source>
        <translation>%1, adresse %2</translation>
    </message>
    <message>
        <source>%1, firmware %2</source>
        <translation>%1, micrologiciel %2</translation>
    </message>
    <message>
        <source>Online, last answer %1</source>
        <translation>En ligne, dernière réponse %1</translation>
    </message>
    <message>
        <source>Offline, last answer %1</source>
        <translation>Hors ligne, dernière réponse %1</translation>
    </message>
    <message>
        <source>Offline, no answer yet</source>
        <translation>Hors ligne, pas encore de réponse</translation>
    </message>
    <message>
        <source>the meter could not be reached.</source>
        <translation>l'appareil de mesure n'a pas pu être joint.</translation>
    </message>
    <message>
        <source>Configuration received from meter %1 at %2</source>
        <translation>Configuration reçue de l'appareil %1 à %2</translation>
    </message>
    <message>
        <source>Configuration received from the meter at %1</source>
        <translation>Configuration reçue de l'appareil à %1</translation>
    </message>
    <message>
        <source>Receive failed: %1</source>
        <translation>Échec de la réception : %1</translation>
    </message>
    <message>
        <source>Configuration sent to meter %1 at %2</source>
        <translation>Configuration envoyée à l'appareil %1 à %2</translation>
    </message>
    <message>
        <source>Configuration sent to the meter at %1</source>
        <translation>Configuration envoyée à l'appareil à %1</translation>
    </message>
    <message>
        <source>Nothing sent at %1: the meter already holds this configuration</source>
        <translation>Rien envoyé à %1 : l'appareil a déjà cette configuration</translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation>Échec de l'envoi : %1</translation>
    </message>
    <message>
        <source>Send cancelled: the meter was not changed</source>
        <translation>Envoi annulé : l'appareil n'a pas été modifié</translation>
    </message>
    <message>
        <source>Configuration changed, not sent</source>
        <translation>Configuration modifiée, non envoyée</translation>
    </message>
    <message>
        <source>No meter has answered yet. Choose the interface the meter is connected to, or try the program with a simulated meter.</source>
        <translation>Aucun appareil de mesure n'a encore répondu. Choisissez l'interface à laquelle l'appareil est raccordé, ou essayez le programme avec un appareil simulé.</translation>
    </message>
</context>
<context>
    <name>InstallationPanel</name>
    <message>
        <source>No check applies to this network system.</source>
        <translation>Aucun contrôle ne s'applique à ce réseau.</translation>
    </message>
    <message>
        <source>All checks passed: the meter is wired right.</source>
        <translation>Tous les contrôles sont réussis : l'appareil est correctement raccordé.</translation>
    </message>
    <message>
        <source>Failed: %1, warnings: %2, passed: %3.</source>
        <translation>Échecs : %1, avertissements : %2, réussis : %3.</translation>
    </message>
    <message>
        <source>No check was made: the meter could not be read. Check the connection, then press Check again.</source>
        <translation>Aucun contrôle effectué : l'appareil n'a pas pu être lu. Vérifiez la liaison, puis cliquez sur Vérifier à nouveau.</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>&amp;Vérifier à nouveau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation>Contrôle de l'installation</translation>
    </message>
    <message>
        <source>Reading the meter...</source>
        <translation>Lecture de l'appareil...</translation>
    </message>
</context>
<context>
    <name>InstallationCheck</name>
    <message>
        <source>The frequency is %2 Hz, within the band of its nominal value.</source>
        <translation>La fréquence est de %2 Hz, dans la bande de sa valeur nominale.</translation>
    </message>
    <message>
        <source>The frequency is %2 Hz, off its nominal value: check the supply and the nominal frequency in the settings.</source>
        <translation>La fréquence est de %2 Hz, hors de sa valeur nominale : vérifiez l'alimentation et la fréquence nominale dans les réglages.</translation>
    </message>
    <message>
        <source>The frequency lies outside the meter&apos;s range of 45 to 65 Hz: check the supply.</source>
        <translation>La fréquence est hors de la plage de mesure de 45 à 65 Hz : vérifiez l'alimentation.</translation>
    </message>
    <message>
        <source>Every phase carries voltage.</source>
        <translation>Chaque phase est sous tension.</translation>
    </message>
    <message>
        <source>%1: no voltage: check the voltage connection and its fuse.</source>
        <translation>%1 : pas de tension : vérifiez le raccordement de tension et son fusible.</translation>
    </message>
    <message>
        <source>The voltages lie within %2 % of the nominal value.</source>
        <translation>Les tensions restent à %2 % de la valeur nominale.</translation>
    </message>
    <message>
        <source>%1: the voltage is up to %2 % off the nominal value: check the supply and the voltage transformer ratio in the settings.</source>
        <translation>%1 : la tension s'écarte jusqu'à %2 % de la valeur nominale : vérifiez l'alimentation et le rapport du transformateur de tension dans les réglages.</translation>
    </message>
    <message>
        <source>The voltage unbalance is %2 %.</source>
        <translation>Le déséquilibre de tension est de %2 %.</translation>
    </message>
    <message>
        <source>%1: the voltage deviates %2 % from the mean of the phases: check the supply and the voltage connections.</source>
        <translation>%1 : la tension s'écarte de %2 % de la moyenne des phases : vérifiez l'alimentation et les raccordements de tension.</translation>
    </message>
    <message>
        <source>The phase-to-phase voltages match the phase voltages.</source>
        <translation>Les tensions composées correspondent aux tensions simples.</translation>
    </message>
    <message>
        <source>%1: the phase-to-phase voltage differs %2 % from what the phase voltages give: check that each voltage input is on its own phase, in sequence.</source>
        <translation>%1 : la tension composée s'écarte de %2 % de ce que donnent les tensions simples : vérifiez que chaque entrée de tension est sur sa propre phase, dans l'ordre.</translation>
    </message>
    <message>
        <source>No current flows on a phase without voltage.</source>
        <translation>Aucun courant ne circule sur une phase sans tension.</translation>
    </message>
    <message>
        <source>%1: current flows but the voltage is missing: connect the voltage of this phase (check its fuse and terminal).</source>
        <translation>%1 : du courant circule mais la tension manque : raccordez la tension de cette phase (vérifiez son fusible et sa borne).</translation>
    </message>
    <message>
        <source>The load is %2 % of the current transformer rating: enough to judge.</source>
        <translation>La charge est de %2 % du courant nominal du transformateur de courant : assez pour juger.</translation>
    </message>
    <message>
        <source>The load is only %2 % of the current transformer rating: too little to judge the current transformers; check again under load.</source>
        <translation>La charge n'est que de %2 % du courant nominal du transformateur de courant : trop peu pour juger les transformateurs de courant ; vérifiez à nouveau en charge.</translation>
    </message>
    <message>
        <source>The active power of every phase has the sign of the total.</source>
        <translation>La puissance active de chaque phase a le signe du total.</translation>
    </message>
    <message>
        <source>%1: the active power opposes the total: the current transformer is probably reversed (check K/L or P1/P2).</source>
        <translation>%1 : la puissance active s'oppose au total : le transformateur de courant est probablement inversé (vérifiez K/L ou P1/P2).</translation>
    </message>
    <message>
        <source>%1: not judged, as the current transformers of these phases look swapped (see the power factors).</source>
        <translation>%1 : non jugé, car les transformateurs de courant de ces phases semblent permutés (voir les facteurs de puissance).</translation>
    </message>
    <message>
        <source>The power factors of the phases are plausible.</source>
        <translation>Les facteurs de puissance des phases sont plausibles.</translation>
    </message>
    <message>
        <source>%1: the power factors of both phases are implausible: their current transformers are probably swapped.</source>
        <translation>%1 : les facteurs de puissance des deux phases sont invraisemblables : leurs transformateurs de courant sont probablement permutés.</translation>
    </message>
    <message>
        <source>%1: the power factor is low while the other phases&apos; is high: the current transformer is probably on the wrong phase.</source>
        <translation>%1 : le facteur de puissance est bas alors que celui des autres phases est élevé : le transformateur de courant est probablement sur la mauvaise phase.</translation>
    </message>
    <message>
        <source>%1: the power factor is low, but so is the load&apos;s: check again with a load of high power factor.</source>
        <translation>%1 : le facteur de puissance est bas, mais celui de la charge aussi : vérifiez à nouveau avec une charge à facteur de puissance élevé.</translation>
    </message>
    <message>
        <source>The currents reach %2 % of the current transformer rating.</source>
        <translation>Les courants atteignent %2 % du courant nominal du transformateur de courant.</translation>
    </message>
    <message>
        <source>%1: the current reaches %2 % of the current transformer rating: check the transformer ratio in the settings and the transformer fitted.</source>
        <translation>%1 : le courant atteint %2 % du courant nominal du transformateur de courant : vérifiez le rapport dans les réglages et le transformateur installé.</translation>
    </message>
    <message>
        <source>The current unbalance is %2 %.</source>
        <translation>Le déséquilibre de courant est de %2 %.</translation>
    </message>
    <message>
        <source>%1: the current deviates %2 % from the mean of the phases: check the distribution of the load and the current transformers.</source>
        <translation>%1 : le courant s'écarte de %2 % de la moyenne des phases : vérifiez la répartition de la charge et les transformateurs de courant.</translation>
    </message>
    <message>
        <source>The neutral current is %2 % of the mean phase current.</source>
        <translation>Le courant de neutre est de %2 % du courant de phase moyen.</translation>
    </message>
    <message>
        <source>The neutral current is %2 % of the mean phase current: check that each current transformer sits on its phase, and the balance of the load.</source>
        <translation>Le courant de neutre est de %2 % du courant de phase moyen : vérifiez que chaque transformateur de courant est sur sa phase, ainsi que l'équilibre de la charge.</translation>
    </message>
    <message>
        <source>No valid reading to judge: check again, and check the meter&apos;s connection if it persists.</source>
        <translation>Aucune mesure valide pour juger : vérifiez à nouveau, et la liaison avec le compteur si cela persiste.</translation>
    </message>
    <message>
        <source>Not judged: less than %2 % of the current transformer rating flows on every phase; check again under load.</source>
        <translation>Non jugé : moins de %2 % du courant nominal du transformateur de courant circule sur chaque phase ; vérifiez à nouveau en charge.</translation>
    </message>
    <message>
        <source>Not judged: too few phases carry voltage.</source>
        <translation>Non jugé : trop peu de phases sont sous tension.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Voltage present</source>
        <translation>Présence de tension</translation>
    </message>
    <message>
        <source>Voltage level</source>
        <translation>Niveau de tension</translation>
    </message>
    <message>
        <source>Voltage unbalance</source>
        <translation>Déséquilibre de tension</translation>
    </message>
    <message>
        <source>Phase-to-phase voltages</source>
        <translation>Tensions composées</translation>
    </message>
    <message>
        <source>Current without voltage</source>
        <translation>Courant sans tension</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Direction of active power</source>
        <translation>Sens de la puissance active</translation>
    </message>
    <message>
        <source>Power factors</source>
        <translation>Facteurs de puissance</translation>
    </message>
    <message>
        <source>Current transformer rating</source>
        <translation>Courant nominal du transformateur de courant</translation>
    </message>
    <message>
        <source>Current unbalance</source>
        <translation>Déséquilibre de courant</translation>
    </message>
    <message>
        <source>Neutral current</source>
        <translation>Courant de neutre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
</context>
<context>
    <name>CommissioningRecord</name>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>Module LANMOD57</translation>
    </message>
    <message>
        <source>Measurand</source>
        <translation>Grandeur</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Valeur mesurée</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation>Procès-verbal de mise en service</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Technicien</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Appareil de mesure</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>%1, extension %2</source>
        <translation>%1, extension %2</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation>Contrôle de l'installation</translation>
    </message>
    <message>
        <source>No check applies to this meter.</source>
        <translation>Aucun contrôle ne s'applique à cet appareil.</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Constat</translation>
    </message>
    <message>
        <source>Instantaneous values</source>
        <translation>Valeurs instantanées</translation>
    </message>
    <message>
        <source>Energy registers</source>
        <translation>Compteurs d'énergie</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Valeurs minimales et maximales</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation>Procès-verbal de mise en service</translation>
    </message>
    <message>
        <source>The &amp;panel shown</source>
        <translation>Le &amp;panneau affiché</translation>
    </message>
    <message>
        <source>The commissioning &amp;record</source>
        <translation>Le procès-&amp;verbal de mise en service</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Site :</translation>
    </message>
    <message>
        <source>&amp;Technician:</source>
        <translation>&amp;Technicien :</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Remarque :</translation>
    </message>
</context>
</TS>
