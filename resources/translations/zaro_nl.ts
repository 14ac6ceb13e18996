<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Configuration and measurement program for multifunction power meters</source>
        <translation>Configuratie- en meetprogramma voor multifunctionele vermogensmeters</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Klik om te sluiten</translation>
    </message>
</context>
<context>
    <name>ConfigFile</name>
    <message>
        <source>Voltage transformer</source>
        <translation>Spanningstransformator</translation>
    </message>
    <message>
        <source>Current transformer</source>
        <translation>Stroomtransformator</translation>
    </message>
    <message>
        <source>Digital output 1</source>
        <translation>Digitale uitgang 1</translation>
    </message>
    <message>
        <source>Digital output 2</source>
        <translation>Digitale uitgang 2</translation>
    </message>
    <message>
        <source>Limit on</source>
        <translation>Grenswaarde aan</translation>
    </message>
    <message>
        <source>Limit off</source>
        <translation>Grenswaarde uit</translation>
    </message>
    <message>
        <source>Pulse rate</source>
        <translation>Pulsfrequentie</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Bus settings</source>
        <translation>Businstellingen</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Configuratie opslaan</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Configuratie openen</translation>
    </message>
</context>
<context>
    <name>ConfigTransfer</name>
    <message>
        <source>The meter&apos;s previous configuration was saved to %1</source>
        <translation>De vorige configuratie van de meter is opgeslagen in %1</translation>
    </message>
    <message>
        <source>No backup of the meter&apos;s configuration could be saved to %1</source>
        <translation>Er kon geen reservekopie van de meterconfiguratie worden opgeslagen in %1</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Versie-informatie</translation>
    </message>
    <message>
        <source>Model: %1
Firmware: %2
Version: %3</source>
        <translation>Model: %1
Firmware: %2
Versie: %3</translation>
    </message>
</context>
<context>
    <name>DialogMessages</name>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Clear the logger</source>
        <translation>Logger wissen</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Overdracht</translation>
    </message>
    <message>
        <source>Data transfer in progress...</source>
        <translation>Gegevensoverdracht bezig...</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>1 phase, 2 wires (L-N)</source>
        <translation>1 fase, 2 draden (L-N)</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, balanced load</source>
        <translation>3 fasen, 3 draden, symmetrische belasting</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, balanced load</source>
        <translation>3 fasen, 4 draden, symmetrische belasting</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, 2 current transformers</source>
        <translation>3 fasen, 3 draden, 2 stroomtransformatoren</translation>
    </message>
    <message>
        <source>3 phases, 3 wires, unbalanced load</source>
        <translation>3 fasen, 3 draden, asymmetrische belasting</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, unbalanced load</source>
        <translation>3 fasen, 4 draden, asymmetrische belasting</translation>
    </message>
    <message>
        <source>3 phases, 4 wires, 3 voltage transformers</source>
        <translation>3 fasen, 4 draden, 3 spanningstransformatoren</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Niet gebruikt</translation>
    </message>
    <message>
        <source>Free (simulation)</source>
        <translation>Vrij (simulatie)</translation>
    </message>
    <message>
        <source>Limit output</source>
        <translation>Grenswaarde-uitgang</translation>
    </message>
    <message>
        <source>Pulse output</source>
        <translation>Pulsuitgang</translation>
    </message>
    <message>
        <source>Internal interval</source>
        <translation>Intern interval</translation>
    </message>
    <message>
        <source>External synchronisation</source>
        <translation>Externe synchronisatie</translation>
    </message>
    <message>
        <source>No interval</source>
        <translation>Geen interval</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Niet beschikbaar</translation>
    </message>
    <message>
        <source>Synchronisation input</source>
        <translation>Synchronisatie-ingang</translation>
    </message>
    <message>
        <source>Tariff input (HT/LT)</source>
        <translation>Tariefingang (HT/LT)</translation>
    </message>
    <message>
        <source>Stop when full</source>
        <translation>Stoppen als vol</translation>
    </message>
    <message>
        <source>Overwrite oldest records</source>
        <translation>Oudste records overschrijven</translation>
    </message>
    <message>
        <source>no parity, 2 stop bits</source>
        <translation>geen pariteit, 2 stopbits</translation>
    </message>
    <message>
        <source>even parity, 2 stop bits</source>
        <translation>even pariteit, 2 stopbits</translation>
    </message>
    <message>
        <source>odd parity, 2 stop bits</source>
        <translation>oneven pariteit, 2 stopbits</translation>
    </message>
    <message>
        <source>no parity, 1 stop bit</source>
        <translation>geen pariteit, 1 stopbit</translation>
    </message>
    <message>
        <source>Fixed page</source>
        <translation>Vaste pagina</translation>
    </message>
    <message>
        <source>User pages</source>
        <translation>Gebruikerspagina&apos;s</translation>
    </message>
    <message>
        <source>Automatic loop</source>
        <translation>Automatische doorloop</translation>
    </message>
    <message>
        <source>Loop by key</source>
        <translation>Doorloop met toets</translation>
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
        <translation>ZARO standaardmeter</translation>
    </message>
    <message>
        <source>ZRM3 extended meter</source>
        <translation>ZRM3 uitgebreide meter</translation>
    </message>
    <message>
        <source>ZRM3 with LANMOD57 module</source>
        <translation>ZRM3 met LANMOD57-module</translation>
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
        <translation>Demo</translation>
    </message>
    <message>
        <source>The simulated meter could not be started: %1</source>
        <translation>De gesimuleerde meter kon niet worden gestart: %1</translation>
    </message>
    <message>
        <source>zaro-sim was found neither beside the program nor in /usr/bin.</source>
        <translation>zaro-sim is niet naast het programma en niet in /usr/bin gevonden.</translation>
    </message>
    <message>
        <source>the demo settings could not be written.</source>
        <translation>de demo-instellingen konden niet worden geschreven.</translation>
    </message>
    <message>
        <source>Demo — simulated meter</source>
        <translation>Demo — gesimuleerde meter</translation>
    </message>
    <message>
        <source>The program could not be started a second time.</source>
        <translation>Het programma kon niet een tweede keer worden gestart.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>ZARO Help</source>
        <translation>ZARO Help</translation>
    </message>
    <message>
        <source>The help pages were not found in %1.</source>
        <translation>De helppagina&apos;s zijn niet gevonden in %1.</translation>
    </message>
</context>
<context>
    <name>MainPanel</name>
    <message>
        <source>Device and interface</source>
        <translation>Apparaat en interface</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Apparaattype</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>LANMOD57-module</translation>
    </message>
    <message>
        <source>without interface option</source>
        <translation>zonder interface-optie</translation>
    </message>
    <message>
        <source>with interface option</source>
        <translation>met interface-optie</translation>
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
        <translation>Stroomingang</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Network system and transformers</source>
        <translation>Netsysteem en transformatoren</translation>
    </message>
    <message>
        <source>Network system</source>
        <translation>Netsysteem</translation>
    </message>
    <message>
        <source>cos-phi correction</source>
        <translation>cos-phi-correctie</translation>
    </message>
    <message>
        <source>Frequency locked</source>
        <translation>Frequentie vast</translation>
    </message>
    <message>
        <source>Nominal frequency</source>
        <translation>Nominale frequentie</translation>
    </message>
    <message>
        <source>Digital outputs</source>
        <translation>Digitale uitgangen</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Digitale ingang</translation>
    </message>
    <message>
        <source>Synchronisation</source>
        <translation>Synchronisatie</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Ingang</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>vergrendeld</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Displaymodus</translation>
    </message>
    <message>
        <source>Refresh time</source>
        <translation>Verversingstijd</translation>
    </message>
    <message>
        <source>Reactive quantities as incoming/outgoing</source>
        <translation>Blindgrootheden als afname/levering</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Datalogger</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Vermogens</translation>
    </message>
    <message>
        <source>Estimated recording time (days:hours:minutes)</source>
        <translation>Geschatte registratieduur (dagen:uren:minuten)</translation>
    </message>
    <message>
        <source>Recording time</source>
        <translation>Registratieduur</translation>
    </message>
    <message>
        <source>Mean values</source>
        <translation>Gemiddelde waarden</translation>
    </message>
    <message>
        <source>Measurand</source>
        <translation>Meetgrootheid</translation>
    </message>
    <message>
        <source>Logged</source>
        <translation>Registreren</translation>
    </message>
    <message>
        <source>Min/max logger (LANMOD57)</source>
        <translation>Min/max-logger (LANMOD57)</translation>
    </message>
    <message>
        <source>Description of the meter (at most 47 characters)</source>
        <translation>Beschrijving van het apparaat (hoogstens 47 tekens)</translation>
    </message>
    <message>
        <source>Display &amp;pages...</source>
        <translation>Display&amp;pagina's...</translation>
    </message>
    <message>
        <source>Clear &amp;logger...</source>
        <translation>Logger &amp;wissen...</translation>
    </message>
    <message>
        <source>%1, primary</source>
        <translation>%1, primair</translation>
    </message>
    <message>
        <source>%1, secondary</source>
        <translation>%1, secundair</translation>
    </message>
    <message>
        <source>Mean value %1, measurand</source>
        <translation>Gemiddelde waarde %1, meetgrootheid</translation>
    </message>
    <message>
        <source>Mean value %1, logged</source>
        <translation>Gemiddelde waarde %1, gelogd</translation>
    </message>
    <message>
        <source>Min/max channel %1, measurand</source>
        <translation>Min/max-kanaal %1, meetgrootheid</translation>
    </message>
    <message>
        <source>Min/max channel %1, recording</source>
        <translation>Min/max-kanaal %1, registreert</translation>
    </message>
</context>
<context>
    <name>MeasDisp</name>
    <message>
        <source>Voltages</source>
        <translation>Spanningen</translation>
    </message>
    <message>
        <source>Currents</source>
        <translation>Stromen</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Vermogens</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
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
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Instantaneous values</source>
        <translation>Momentane waarden</translation>
    </message>
    <message>
        <source>Lit while the meter is being read</source>
        <translation>Brandt zolang de meter wordt uitgelezen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Meter</source>
        <translation>&amp;Meter</translation>
    </message>
    <message>
        <source>M&amp;easurements</source>
        <translation>M&amp;eetwaarden</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Display</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;New configuration</source>
        <translation>&amp;Nieuwe configuratie</translation>
    </message>
    <message>
        <source>&amp;Open configuration...</source>
        <translation>Configuratie &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Save configuration...</source>
        <translation>Configuratie op&amp;slaan...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Receive configuration from meter</source>
        <translation>Configuratie van meter &amp;ontvangen</translation>
    </message>
    <message>
        <source>Sen&amp;d configuration to meter</source>
        <translation>Configuratie naar meter &amp;zenden</translation>
    </message>
    <message>
        <source>&amp;Version information</source>
        <translation>&amp;Versie-informatie</translation>
    </message>
    <message>
        <source>Restart &amp;mean-value interval</source>
        <translation>&amp;Gemiddelde-waarde-interval herstarten</translation>
    </message>
    <message>
        <source>&amp;Interface...</source>
        <translation>&amp;Interface...</translation>
    </message>
    <message>
        <source>&amp;Instantaneous values</source>
        <translation>&amp;Momentane waarden</translation>
    </message>
    <message>
        <source>Mi&amp;nimum and maximum values</source>
        <translation>Mi&amp;nimum- en maximumwaarden</translation>
    </message>
    <message>
        <source>&amp;Energy meters</source>
        <translation>&amp;Energiemeters</translation>
    </message>
    <message>
        <source>&amp;Mean values</source>
        <translation>&amp;Gemiddelde waarden</translation>
    </message>
    <message>
        <source>&amp;Harmonics</source>
        <translation>&amp;Harmonischen</translation>
    </message>
    <message>
        <source>&amp;Simulation of digital outputs</source>
        <translation>Simulatie van de &amp;digitale uitgangen</translation>
    </message>
    <message>
        <source>&amp;Logger</source>
        <translation>&amp;Logger</translation>
    </message>
    <message>
        <source>Logger &amp;without meter</source>
        <translation>Logger &amp;zonder meter</translation>
    </message>
    <message>
        <source>Display &amp;pages...</source>
        <translation>Display&amp;pagina&apos;s...</translation>
    </message>
    <message>
        <source>&amp;Brightness...</source>
        <translation>&amp;Helderheid...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About ZARO</source>
        <translation>&amp;Over ZARO</translation>
    </message>
    <message>
        <source>&amp;Back to the configuration</source>
        <translation>&amp;Terug naar de configuratie</translation>
    </message>
    <message>
        <source>&amp;Open logger file...</source>
        <translation>Loggerbestand &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Save logger file...</source>
        <translation>Loggerbestand op&amp;slaan...</translation>
    </message>
    <message>
        <source>&amp;Read from meter</source>
        <translation>Van meter &amp;lezen</translation>
    </message>
    <message>
        <source>&amp;Profile graph</source>
        <translation>&amp;Profielgrafiek</translation>
    </message>
    <message>
        <source>E&amp;xport to Excel...</source>
        <translation>E&amp;xporteren naar Excel...</translation>
    </message>
    <message>
        <source>&amp;Minimum and maximum values</source>
        <translation>&amp;Minimum- en maximumwaarden</translation>
    </message>
    <message>
        <source>Try with a &amp;simulated meter</source>
        <translation>Proberen met een &amp;gesimuleerde meter</translation>
    </message>
    <message>
        <source>Rese&amp;t logger...</source>
        <translation>Logger &amp;wissen...</translation>
    </message>
    <message>
        <source>Installation chec&amp;k</source>
        <translation>&amp;Installatiecontrole</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The serial port does not exist or is used by another program. Choose another port in the interface dialog or close the other program.</source>
        <translation>De seriële poort bestaat niet of wordt door een ander programma gebruikt. Kies een andere poort in het interfacevenster of sluit het andere programma.</translation>
    </message>
    <message>
        <source>The serial port could not be configured. Check the port settings in the interface dialog and reconnect the converter.</source>
        <translation>De seriële poort kon niet worden ingesteld. Controleer de poortinstellingen in het interfacevenster en sluit de converter opnieuw aan.</translation>
    </message>
    <message>
        <source>The meter&apos;s reply was incomplete or damaged. Check the cable and the connections, and that only one meter uses this address.</source>
        <translation>Het antwoord van de meter was onvolledig of beschadigd. Controleer de kabel en de aansluitingen, en of maar één meter dit adres gebruikt.</translation>
    </message>
    <message>
        <source>No connection to the LANMOD57 module. Check its IP address, the network cable and that the module is switched on.</source>
        <translation>Geen verbinding met de LANMOD57-module. Controleer het IP-adres van de module, de netwerkkabel en of de module is ingeschakeld.</translation>
    </message>
    <message>
        <source>No connection to the gateway. Check its IP address, the TCP port and the network cable.</source>
        <translation>Geen verbinding met de gateway. Controleer het IP-adres van de gateway, de TCP-poort en de netwerkkabel.</translation>
    </message>
    <message>
        <source>The request could not be sent over the network. The connection was closed; try again.</source>
        <translation>Het verzoek kon niet via het netwerk worden verzonden. De verbinding is verbroken; probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 gave no valid reply in time. Check its connection to the meter and try again.</source>
        <translation>%1 gaf niet op tijd een geldig antwoord. Controleer de verbinding met de meter en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 closed the connection before it replied. The request may have been carried out: check the result, then try again.</source>
        <translation>%1 heeft de verbinding verbroken voordat er een antwoord kwam. De opdracht is misschien uitgevoerd: controleer het resultaat en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>The gateway</source>
        <translation>De gateway</translation>
    </message>
    <message>
        <source>The LANMOD57 module</source>
        <translation>De LANMOD57-module</translation>
    </message>
    <message>
        <source>The gateway gave no reply in time. Check the gateway and the meters behind it, then try again.</source>
        <translation>De gateway gaf niet op tijd antwoord. Controleer de gateway en de meters die erop zijn aangesloten en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>The addressed device does not respond. Check the device address and the device&apos;s connection.</source>
        <translation>Het geadresseerde apparaat reageert niet. Controleer het apparaatadres en de aansluiting van het apparaat.</translation>
    </message>
    <message>
        <source>The file cannot be opened. Check the name and that you may read it.</source>
        <translation>Het bestand kan niet worden geopend. Controleer de naam en of u het bestand mag lezen.</translation>
    </message>
    <message>
        <source>The file has the wrong format and was not loaded. Nothing was changed.</source>
        <translation>Het bestand heeft een verkeerde indeling en is niet geladen. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The configuration is for a 1 A current input, but the meter has a 5 A input. Choose the meter&apos;s current range and send again.</source>
        <translation>De configuratie is voor een stroomingang van 1 A, maar de meter heeft een ingang van 5 A. Kies het stroombereik van de meter en zend de configuratie opnieuw.</translation>
    </message>
    <message>
        <source>The configuration is for a 5 A current input, but the meter has a 1 A input. Choose the meter&apos;s current range and send again.</source>
        <translation>De configuratie is voor een stroomingang van 5 A, maar de meter heeft een ingang van 1 A. Kies het stroombereik van de meter en zend de configuratie opnieuw.</translation>
    </message>
    <message>
        <source>The configuration is for another meter model. Choose the meter&apos;s model and send again.</source>
        <translation>De configuratie is voor een ander metermodel. Kies het model van de meter en zend de configuratie opnieuw.</translation>
    </message>
    <message>
        <source>This meter does not measure harmonics. Harmonics are available on the ZRM3 model only.</source>
        <translation>Deze meter meet geen harmonischen. Harmonischen zijn alleen beschikbaar bij het model ZRM3.</translation>
    </message>
    <message>
        <source>The IP address is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>Het IP-adres is ongeldig. Voer vier getallen van 0 tot 255 in, gescheiden door punten.</translation>
    </message>
    <message>
        <source>The subnet mask is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>Het subnetmasker is ongeldig. Voer vier getallen van 0 tot 255 in, gescheiden door punten.</translation>
    </message>
    <message>
        <source>The default gateway address is not valid. Enter four numbers from 0 to 255 separated by dots.</source>
        <translation>Het adres van de standaardgateway is ongeldig. Voer vier getallen van 0 tot 255 in, gescheiden door punten.</translation>
    </message>
    <message>
        <source>The MAC address is not valid. Enter six pairs of hex digits 0-9, A-F separated by &apos;-&apos;, for example 00-30-11-0A-0B-0C.</source>
        <translation>Het MAC-adres is ongeldig. Voer zes paren hexadecimale tekens 0-9, A-F in, gescheiden door &apos;-&apos;, bijvoorbeeld 00-30-11-0A-0B-0C.</translation>
    </message>
    <message>
        <source>Send the configuration to the meter now? The meter&apos;s settings will be overwritten.</source>
        <translation>De configuratie nu naar de meter zenden? De instellingen van de meter worden overschreven.</translation>
    </message>
    <message>
        <source>Clear the meter&apos;s logger? All logged records will be lost.</source>
        <translation>De logger van de meter wissen? Alle geregistreerde records gaan verloren.</translation>
    </message>
    <message>
        <source>The simulation frees the digital outputs from their limit or pulse function until it ends. Start the simulation?</source>
        <translation>Tijdens de simulatie zijn de digitale uitgangen losgekoppeld van hun grenswaarde- of pulsfunctie, totdat de simulatie eindigt. Simulatie starten?</translation>
    </message>
    <message>
        <source>The meter&apos;s logger cannot be read (no meter, or nothing is logged). Open the logger anyway to work with files?</source>
        <translation>De logger van de meter kan niet worden gelezen (geen meter, of er is niets geregistreerd). Logger toch openen om met bestanden te werken?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the display refresh time. Send the configuration without it?</source>
        <translation>De firmware van de meter ondersteunt de verversingstijd van het display niet. Configuratie zonder deze instelling zenden?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the cos-phi correction. Send the configuration without it?</source>
        <translation>De firmware van de meter ondersteunt de cos-phi-correctie niet. Configuratie zonder deze instelling zenden?</translation>
    </message>
    <message>
        <source>The meter&apos;s firmware does not support the current unbalance display. Send the configuration without it?</source>
        <translation>De firmware van de meter ondersteunt de weergave van de stroomasymmetrie niet. Configuratie zonder deze instelling zenden?</translation>
    </message>
    <message>
        <source>The module&apos;s firmware may not support the min/max logger. Send the min/max logger settings anyway?</source>
        <translation>De firmware van de module ondersteunt de min/max-logger mogelijk niet. Instellingen van de min/max-logger toch zenden?</translation>
    </message>
    <message>
        <source>The logged quantities change. The logger should be cleared, or its records will no longer match. Continue sending?</source>
        <translation>De geregistreerde grootheden veranderen. Wis daarna de logger, anders passen de records niet meer bij de instellingen. Doorgaan met zenden?</translation>
    </message>
    <message>
        <source>Serial interface</source>
        <translation>Seriële interface</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Datalogger</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulatie</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Current input range</source>
        <translation>Bereik stroomingang</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Meter model</source>
        <translation>Metermodel</translation>
    </message>
    <message>
        <source>Network connection</source>
        <translation>Netwerkverbinding</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Netwerkinstellingen</translation>
    </message>
    <message>
        <source>ZARO</source>
        <translation>ZARO</translation>
    </message>
    <message>
        <source>Unexpected message (%1, %2).</source>
        <translation>Onverwacht bericht (%1, %2).</translation>
    </message>
    <message>
        <source>The meter's present configuration could not be backed up, so this send could not be undone. Send without a backup?</source>
        <translation>De huidige configuratie van de meter kon niet worden opgeslagen; dit verzenden kan dan niet ongedaan worden gemaakt. Verzenden zonder reservekopie?</translation>
    </message>
    <message>
        <source>The configuration holds values a configuration file cannot keep (for example a transformer ratio out of range). Nothing was saved.</source>
        <translation>De configuratie bevat waarden die een configuratiebestand niet kan bewaren (bijvoorbeeld een transformatorverhouding buiten het bereik). Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>The meter reports an energy scale that this program cannot show (more than 10^9 or less than 10^-9 Wh per count). The meters panel stays closed.</source>
        <translation>Het apparaat meldt een energieschaal die dit programma niet kan tonen (meer dan 10^9 of minder dan 10^-9 Wh per telstap). Het tellervenster blijft gesloten.</translation>
    </message>
    <message>
        <source>The value to set is not a number the energy register can hold (0 up to its largest count). Nothing was written: correct the value and set again.</source>
        <translation>De in te stellen waarde is geen getal dat het energieregister kan bevatten (0 tot zijn hoogste tellerstand). Er is niets geschreven: corrigeer de waarde en stel opnieuw in.</translation>
    </message>
    <message>
        <source>Nothing was exported. %1</source>
        <translation>Er is niets geëxporteerd. %1</translation>
    </message>
    <message>
        <source>The file cannot be created there. Choose another folder or name.</source>
        <translation>Het bestand kan daar niet worden aangemaakt. Kies een andere map of naam.</translation>
    </message>
    <message>
        <source>The file could not be written completely. Check the free space and try again.</source>
        <translation>Het bestand kon niet volledig worden geschreven. Controleer de vrije schijfruimte en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The records do not fit into the 1048576 rows of a worksheet. Export them as CSV instead.</source>
        <translation>De records passen niet in de 1048576 rijen van een werkblad. Exporteer ze in plaats daarvan als CSV.</translation>
    </message>
    <message>
        <source>The logged records are incomplete. Read the logger or open the file again.</source>
        <translation>De gelogde records zijn onvolledig. Lees de logger uit of open het bestand opnieuw.</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>Het exporteren is geannuleerd.</translation>
    </message>
    <message>
        <source>The module's logger data cannot be shown: %1. Download it again or open another file.</source>
        <translation>De loggergegevens van de module kunnen niet worden getoond: %1. Download ze opnieuw of open een ander bestand.</translation>
    </message>
    <message>
        <source>The LANMOD57 module did not finish sending its logger data in time. Check the network connection and try again.</source>
        <translation>De LANMOD57-module heeft haar loggergegevens niet op tijd volledig verzonden. Controleer de netwerkverbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The module's logger data is larger than 4 MiB and was not taken. Nothing was changed.</source>
        <translation>De loggergegevens van de module zijn groter dan 4 MiB en zijn niet overgenomen. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Communication error: the module's reply was not a valid HTTP reply (data transmission failure). Try again.</source>
        <translation>Communicatiefout: het antwoord van de module was geen geldig HTTP-antwoord (fout bij de gegevensoverdracht). Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The LANMOD57 module refused the logger download (%1). Check the module's address and try again.</source>
        <translation>De LANMOD57-module heeft het downloaden van de loggergegevens geweigerd (%1). Controleer het adres van de module en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Invalid structure of logger data</source>
        <translation>Ongeldige structuur van de loggergegevens</translation>
    </message>
    <message>
        <source>No data found</source>
        <translation>Geen gegevens gevonden</translation>
    </message>
    <message>
        <source>more than 255 sequences</source>
        <translation>meer dan 255 reeksen</translation>
    </message>
    <message>
        <source>more than 23 channels in a sequence</source>
        <translation>meer dan 23 kanalen in een reeks</translation>
    </message>
    <message>
        <source>more than 699050 values</source>
        <translation>meer dan 699050 waarden</translation>
    </message>
    <message>
        <source>more than 299593 time stamps</source>
        <translation>meer dan 299593 tijdstempels</translation>
    </message>
    <message>
        <source>The records lie more than a day apart, so the profile graph, which shows one day at a time, cannot draw them. Check the logging interval and the dates and times of the records.</source>
        <translation>De records liggen meer dan een dag uit elkaar; de profielgrafiek, die telkens één dag toont, kan ze niet weergeven. Controleer het registratie-interval en de datum en tijd van de records.</translation>
    </message>
    <message>
        <source>The settings file could not be written. Check that the settings folder exists and that you may write to it, then try again.</source>
        <translation>Het instellingenbestand kon niet worden geschreven. Controleer of de map met instellingen bestaat en of u erin mag schrijven, en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>Send configuration</source>
        <translation>Configuratie verzenden</translation>
    </message>
    <message>
        <source>The file was not saved. %1</source>
        <translation>Het bestand is niet opgeslagen. %1</translation>
    </message>
    <message>
        <source>That name belongs to a folder, a link or a device, not to a file. Choose another name.</source>
        <translation>Deze naam hoort bij een map, een koppeling of een apparaat, niet bij een bestand. Kies een andere naam.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation>Communicatielog</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuratie</translation>
    </message>
    <message>
        <source>Reset the ticked energy registers to zero? The energy they counted, shown below, will be lost for good.</source>
        <translation>De aangevinkte energietellers op nul zetten? De hieronder getoonde getelde energie gaat definitief verloren.</translation>
    </message>
    <message>
        <source>Set the ticked energy registers to the values below? The energy they counted will be overwritten for good.</source>
        <translation>De aangevinkte energietellers op de hieronder getoonde waarden zetten? De getelde energie wordt definitief overschreven.</translation>
    </message>
    <message>
        <source>Reset the ticked minimum and maximum values? The extremes the meter recorded will be lost for good.</source>
        <translation>De aangevinkte minimum- en maximumwaarden resetten? De door de meter geregistreerde extremen gaan definitief verloren.</translation>
    </message>
    <message>
        <source>Reset all minimum and maximum values? Every extreme the meter recorded will be lost for good.</source>
        <translation>Alle minimum- en maximumwaarden resetten? Alle door de meter geregistreerde extremen gaan definitief verloren.</translation>
    </message>
    <message>
        <source>Restart the mean-value interval now? The means of the running interval will be lost for good.</source>
        <translation>Het gemiddelde-waarde-interval nu herstarten? De gemiddelden van het lopende interval gaan definitief verloren.</translation>
    </message>
    <message>
        <source>Reset the maxima of the voltage harmonics, the THD and the voltage unbalance? The maxima the meter recorded will be lost for good.</source>
        <translation>De maxima van de spanningsharmonischen, de THD en de spanningsasymmetrie resetten? De door de meter geregistreerde maxima gaan definitief verloren.</translation>
    </message>
    <message>
        <source>Reset the maxima of the current harmonics and the THD? The maxima the meter recorded will be lost for good.</source>
        <translation>De maxima van de stroomharmonischen en de THD resetten? De door de meter geregistreerde maxima gaan definitief verloren.</translation>
    </message>
    <message>
        <source>Reset the ticked minima and maxima of the mean values? The extremes the meter recorded will be lost for good.</source>
        <translation>De aangevinkte minima en maxima van de gemiddelde waarden resetten? De door de meter geregistreerde extremen gaan definitief verloren.</translation>
    </message>
    <message>
        <source>The configuration was changed and the changes were not saved. Save them to a file first?</source>
        <translation>De configuratie is gewijzigd en de wijzigingen zijn niet opgeslagen. Eerst in een bestand opslaan?</translation>
    </message>
    <message>
        <source>The meter does not answer (port, address, baud rate, format, time-out: %1). Check the cable, the port, the address and the baud rate, and that the meter is switched on.</source>
        <translation>De meter antwoordt niet (poort, adres, baudrate, formaat, time-out: %1). Controleer de kabel, de poort, het adres en de baudrate, en of de meter is ingeschakeld.</translation>
    </message>
    <message>
        <source>The test found no meter: the version request got no valid answer (port, address, baud rate, format, time-out: %1). Check the cable, the port, the address and the baud rate, and that the meter is switched on.</source>
        <translation>De test vond geen meter: de versieaanvraag kreeg geen geldig antwoord (poort, adres, baudrate, formaat, time-out: %1). Controleer de kabel, de poort, het adres en de baudrate, en of de meter is ingeschakeld.</translation>
    </message>
    <message>
        <source>The test found no meter: the version request got no valid answer (IP address and TCP port, meter address, time-out: %1). Check the IP address, the network cable and the meter behind the device.</source>
        <translation>De test vond geen meter: de versieaanvraag kreeg geen geldig antwoord (IP-adres en TCP-poort, meteradres, time-out: %1). Controleer het IP-adres, de netwerkkabel en de meter achter het apparaat.</translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation>Installatiecontrole</translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation>Inbedrijfstellingsrapport</translation>
    </message>
    <message>
        <source>The commissioning record was not written. %1</source>
        <translation>Het inbedrijfstellingsrapport is niet geschreven. %1</translation>
    </message>
</context>
<context>
    <name>SelComm</name>
    <message>
        <source>Addresses 1 to 32</source>
        <translation>Adressen 1 tot 32</translation>
    </message>
    <message>
        <source>Addresses 1 to 247</source>
        <translation>Adressen 1 tot 247</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>No parity, 2 stop bits</source>
        <translation>Geen pariteit, 2 stopbits</translation>
    </message>
    <message>
        <source>Even parity, 2 stop bits</source>
        <translation>Even pariteit, 2 stopbits</translation>
    </message>
    <message>
        <source>Odd parity, 2 stop bits</source>
        <translation>Oneven pariteit, 2 stopbits</translation>
    </message>
    <message>
        <source>No parity, 1 stop bit</source>
        <translation>Geen pariteit, 1 stopbit</translation>
    </message>
    <message>
        <source>Character format</source>
        <translation>Tekenformaat</translation>
    </message>
    <message>
        <source>RTS direction control</source>
        <translation>RTS-richtingsbesturing</translation>
    </message>
    <message>
        <source>Close the port after each operation</source>
        <translation>Poort na elke bewerking sluiten</translation>
    </message>
    <message>
        <source>Searching address %1 ...</source>
        <translation>Adres %1 wordt gezocht ...</translation>
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
        <translation>Netbiter-gateway (Modbus/TCP)</translation>
    </message>
    <message>
        <source>LANMOD57 module (Modbus/TCP)</source>
        <translation>LANMOD57-module (Modbus/TCP)</translation>
    </message>
    <message>
        <source>Reply time-out</source>
        <translation>Antwoordtime-out</translation>
    </message>
    <message>
        <source>RS-485 addresses</source>
        <translation>RS-485-adressen</translation>
    </message>
    <message>
        <source>Network devices</source>
        <translation>Netwerkapparaten</translation>
    </message>
    <message>
        <source>RS-485 is offered only when the settings name it: set COMType = 1 in section [Interface] of %1 and open this dialog again. RS-232 stays in use.</source>
        <translation>RS-485 wordt alleen aangeboden als de instellingen het noemen: zet COMType = 1 in sectie [Interface] van %1 en open dit venster opnieuw. RS-232 blijft in gebruik.</translation>
    </message>
    <message>
        <source>A gateway is offered only when the settings name it: set COMType = 2 in section [Interface] of %1 and open this dialog again, then press Scan or add a gateway by its IP address. RS-232 stays in use.</source>
        <translation>Een gateway wordt alleen aangeboden als de instellingen hem noemen: zet COMType = 2 in sectie [Interface] van %1, open dit venster opnieuw en druk dan op Zoeken of voeg een gateway toe via zijn IP-adres. RS-232 blijft in gebruik.</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbinding &amp;testen</translation>
    </message>
    <message>
        <source>Testing the connection ...</source>
        <translation>Verbinding wordt getest ...</translation>
    </message>
    <message>
        <source>The meter answered: %1, firmware %2, address %3.</source>
        <translation>De meter heeft geantwoord: %1, firmware %2, adres %3.</translation>
    </message>
    <message>
        <source>No valid answer. Tried: %1</source>
        <translation>Geen geldig antwoord. Geprobeerd: %1</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Meter address</source>
        <translation>Meteradres</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>LANMOD57-module</translation>
    </message>
</context>
<context>
    <name>ConfigSettings</name>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>on</source>
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>limit output %1 %2/%3 %4</source>
        <translation>grenswaarde-uitgang %1 %2/%3 %4</translation>
    </message>
    <message>
        <source>pulse output %1 %2 /%3</source>
        <translation>pulsuitgang %1 %2 /%3</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>incoming/outgoing</source>
        <translation>afname/levering</translation>
    </message>
    <message>
        <source>inductive/capacitive</source>
        <translation>inductief/capacitief</translation>
    </message>
    <message>
        <source>%1, logged</source>
        <translation>%1, gelogd</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Apparaattype</translation>
    </message>
    <message>
        <source>Current input range</source>
        <translation>Stroombereik</translation>
    </message>
    <message>
        <source>Voltage input range</source>
        <translation>Spanningsbereik</translation>
    </message>
    <message>
        <source>Interface option</source>
        <translation>Interface-optie</translation>
    </message>
    <message>
        <source>Network system</source>
        <translation>Netsysteem</translation>
    </message>
    <message>
        <source>Cos-phi correction</source>
        <translation>Cos-phi-correctie</translation>
    </message>
    <message>
        <source>Nominal frequency</source>
        <translation>Nominale frequentie</translation>
    </message>
    <message>
        <source>Frequency locked</source>
        <translation>Frequentie vast</translation>
    </message>
    <message>
        <source>Synchronisation interval</source>
        <translation>Synchronisatie-interval</translation>
    </message>
    <message>
        <source>Tariff input</source>
        <translation>Tariefingang</translation>
    </message>
    <message>
        <source>External synchronisation</source>
        <translation>Externe synchronisatie</translation>
    </message>
    <message>
        <source>Logger mode</source>
        <translation>Loggermodus</translation>
    </message>
    <message>
        <source>Logged quantities</source>
        <translation>Gelogde grootheden</translation>
    </message>
    <message>
        <source>Display refresh time</source>
        <translation>Verversingstijd display</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Displaymodus</translation>
    </message>
    <message>
        <source>Display mode locked</source>
        <translation>Displaymodus vergrendeld</translation>
    </message>
    <message>
        <source>Loop time</source>
        <translation>Doorlooptijd</translation>
    </message>
    <message>
        <source>Reactive quantities</source>
        <translation>Blindgrootheden</translation>
    </message>
    <message>
        <source>Current unbalance instead of IN</source>
        <translation>Stroomasymmetrie i.p.v. IN</translation>
    </message>
    <message>
        <source>Display pages (loop set)</source>
        <translation>Displaypagina's (doorloop)</translation>
    </message>
    <message>
        <source>Display pages (user set)</source>
        <translation>Displaypagina's (gebruiker)</translation>
    </message>
    <message>
        <source>Mean value %1</source>
        <translation>Gemiddelde waarde %1</translation>
    </message>
    <message>
        <source>Min/max logger channel %1</source>
        <translation>Min/max-logger kanaal %1</translation>
    </message>
</context>
<context>
    <name>ConfigDiff</name>
    <message>
        <source>The configurations are the same.</source>
        <translation>De configuraties zijn gelijk.</translation>
    </message>
    <message>
        <source>Settings that differ: %1</source>
        <translation>Afwijkende instellingen: %1</translation>
    </message>
    <message>
        <source>Compare configurations</source>
        <translation>Configuraties vergelijken</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
</context>
<context>
    <name>DetailsDialog</name>
    <message>
        <source>Setting</source>
        <translation>Instelling</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Naar</translation>
    </message>
</context>
<context>
    <name>CommLogWindow</name>
    <message>
        <source>Requests %1 · good replies %2 · retries %3 · time-outs %4 · CRC errors %5 · exceptions %6 · reply time mean %7 ms, longest %8 ms</source>
        <translation>Verzoeken %1 · goede antwoorden %2 · herhalingen %3 · time-outs %4 · CRC-fouten %5 · excepties %6 · antwoordtijd gemiddeld %7 ms, langste %8 ms</translation>
    </message>
    <message>
        <source>All frames</source>
        <translation>Alle frames</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Alleen problemen</translation>
    </message>
    <message>
        <source>Retries</source>
        <translation>Herhalingen</translation>
    </message>
    <message>
        <source>Time-outs</source>
        <translation>Time-outs</translation>
    </message>
    <message>
        <source>CRC errors</source>
        <translation>CRC-fouten</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Excepties</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richting</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Functie</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registers</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation>Communicatielog</translation>
    </message>
    <message>
        <source>Save communication log</source>
        <translation>Communicatielog opslaan</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Save as text...</source>
        <translation>&amp;Opslaan als tekst...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Tonen:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Compare configuration &amp;files...</source>
        <translation>Configuratie&amp;bestanden vergelijken...</translation>
    </message>
    <message>
        <source>Compare file with &amp;meter...</source>
        <translation>Bestand met &amp;meter vergelijken...</translation>
    </message>
    <message>
        <source>Communication &amp;log...</source>
        <translation>Communicatie&amp;log...</translation>
    </message>
    <message>
        <source>&amp;Voltage harmonics</source>
        <translation>Harmonischen &amp;spanning</translation>
    </message>
    <message>
        <source>C&amp;urrent harmonics</source>
        <translation>Harmonischen s&amp;troom</translation>
    </message>
    <message>
        <source>&amp;Reset logger...</source>
        <translation>Logger &amp;wissen...</translation>
    </message>
    <message>
        <source>Commissioning &amp;record...</source>
        <translation>&amp;Inbedrijfstellingsrapport...</translation>
    </message>
</context>
<context>
    <name>ProfilePanel</name>
    <message>
        <source>Profile display</source>
        <translation>Profielweergave</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
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
        <translation>Tijd</translation>
    </message>
    <message>
        <source>All channels as lines</source>
        <translation>Alle kanalen als lijnen</translation>
    </message>
    <message>
        <source>First channel as bars</source>
        <translation>Eerste kanaal als staven</translation>
    </message>
    <message>
        <source>Printed %1 %2</source>
        <translation>Afgedrukt %1 %2</translation>
    </message>
    <message>
        <source>&lt;&lt; P&amp;revious day</source>
        <translation>&lt;&lt; &amp;Vorige dag</translation>
    </message>
    <message>
        <source>&amp;Next day &gt;&gt;</source>
        <translation>V&amp;olgende dag &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoomen</translation>
    </message>
    <message>
        <source>Re&amp;store</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>ProfileGraph</name>
    <message>
        <source>The picture size must lie between 320x200 and 10000x10000.</source>
        <translation>De afbeeldingsgrootte moet tussen 320x200 en 10000x10000 liggen.</translation>
    </message>
    <message>
        <source>The picture file must end in .png or .pdf.</source>
        <translation>Het afbeeldingsbestand moet eindigen op .png of .pdf.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 kon niet worden geschreven.</translation>
    </message>
</context>
<context>
    <name>LivePanel</name>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Lit while the meter is being read</source>
        <translation>Brandt terwijl het apparaat wordt gelezen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>MinMaxDisp</name>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Minimum- en maximumwaarden</translation>
    </message>
    <message>
        <source>Voltage maxima</source>
        <translation>Spanningsmaxima</translation>
    </message>
    <message>
        <source>Current maxima</source>
        <translation>Stroommaxima</translation>
    </message>
    <message>
        <source>Mean current maxima</source>
        <translation>Maxima van de gemiddelde stromen</translation>
    </message>
    <message>
        <source>Power maxima</source>
        <translation>Vermogensmaxima</translation>
    </message>
    <message>
        <source>Active power maxima</source>
        <translation>Maxima werkelijk vermogen</translation>
    </message>
    <message>
        <source>Reactive power maxima</source>
        <translation>Maxima blindvermogen</translation>
    </message>
    <message>
        <source>Apparent power maxima</source>
        <translation>Maxima schijnbaar vermogen</translation>
    </message>
    <message>
        <source>Voltage minima</source>
        <translation>Spanningsminima</translation>
    </message>
    <message>
        <source>Power factor minima and frequency</source>
        <translation>Minima arbeidsfactor en frequentie</translation>
    </message>
    <message>
        <source>UNE maximum</source>
        <translation>UNE-maximum</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetten</translation>
    </message>
    <message>
        <source>&amp;Reset ticked extremes</source>
        <translation>Aangevinkte extremen &amp;resetten</translation>
    </message>
</context>
<context>
    <name>MeterDisp</name>
    <message>
        <source>Energy meters</source>
        <translation>Energietellers</translation>
    </message>
    <message>
        <source>Active energy incoming</source>
        <translation>Werkelijke energie afname</translation>
    </message>
    <message>
        <source>Active energy outgoing</source>
        <translation>Werkelijke energie levering</translation>
    </message>
    <message>
        <source>Reactive energy inductive</source>
        <translation>Blindenergie inductief</translation>
    </message>
    <message>
        <source>Reactive energy capacitive</source>
        <translation>Blindenergie capacitief</translation>
    </message>
    <message>
        <source>Reactive energy incoming</source>
        <translation>Blindenergie afname</translation>
    </message>
    <message>
        <source>Reactive energy outgoing</source>
        <translation>Blindenergie levering</translation>
    </message>
    <message>
        <source>Tariff 1 (high)</source>
        <translation>Tarief 1 (hoog)</translation>
    </message>
    <message>
        <source>Tariff 2 (low)</source>
        <translation>Tarief 2 (laag)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nul</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>&amp;Set ticked registers</source>
        <translation>Aangevinkte tellers &amp;instellen</translation>
    </message>
    <message>
        <source>&amp;Reset ticked registers</source>
        <translation>Aangevinkte tellers op &amp;nul</translation>
    </message>
    <message>
        <source>Switch &amp;tariff</source>
        <translation>&amp;Tarief omschakelen</translation>
    </message>
    <message>
        <source>Reset %1</source>
        <translation>%1 op nul zetten</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 instellen</translation>
    </message>
</context>
<context>
    <name>MeanDisp</name>
    <message>
        <source>Mean values</source>
        <translation>Gemiddelde waarden</translation>
    </message>
    <message>
        <source>Power mean values</source>
        <translation>Gemiddelde vermogens</translation>
    </message>
    <message>
        <source>Free mean values</source>
        <translation>Vrij gekozen gemiddelden</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Last interval</source>
        <translation>Vorig interval</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
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
        <translation>Gemiddelde</translation>
    </message>
    <message>
        <source>Reset min</source>
        <translation>Min. resetten</translation>
    </message>
    <message>
        <source>Reset max</source>
        <translation>Max. resetten</translation>
    </message>
    <message>
        <source>no measurand</source>
        <translation>geen meetgrootheid</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>&amp;Reset ticked extremes</source>
        <translation>Aangevinkte extremen &amp;resetten</translation>
    </message>
    <message>
        <source>Reset minimum of %1</source>
        <translation>Minimum van %1 resetten</translation>
    </message>
    <message>
        <source>Reset maximum of %1</source>
        <translation>Maximum van %1 resetten</translation>
    </message>
</context>
<context>
    <name>HarmDisp</name>
    <message>
        <source>Voltage harmonics [%]</source>
        <translation>Harmonischen van de spanning [%]</translation>
    </message>
    <message>
        <source>Current harmonics [%]</source>
        <translation>Harmonischen van de stroom [%]</translation>
    </message>
    <message>
        <source>THD</source>
        <translation>THD</translation>
    </message>
    <message>
        <source>Voltage unbalance [%]</source>
        <translation>Spanningsasymmetrie [%]</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Actueel</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Harmonic order</source>
        <translation>Orde van de harmonische</translation>
    </message>
    <message>
        <source>Share of the fundamental [%]</source>
        <translation>Aandeel van de grondgolf [%]</translation>
    </message>
    <message>
        <source>&amp;Reset maxima</source>
        <translation>Maxima &amp;resetten</translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation>Harmonischen</translation>
    </message>
</context>
<context>
    <name>NetDevices</name>
    <message>
        <source>Add LANMOD57 module</source>
        <translation>LANMOD57-module toevoegen</translation>
    </message>
    <message>
        <source>Add gateway</source>
        <translation>Gateway toevoegen</translation>
    </message>
    <message>
        <source>Cancelled: nothing was sent to the gateway.</source>
        <translation>Geannuleerd: er is niets naar de gateway verzonden.</translation>
    </message>
    <message>
        <source>Communication error !</source>
        <translation>Communicatiefout !</translation>
    </message>
    <message>
        <source>DHCP off (fixed address)</source>
        <translation>DHCP uit (vast adres)</translation>
    </message>
    <message>
        <source>DHCP on</source>
        <translation>DHCP aan</translation>
    </message>
    <message>
        <source>Default gateway</source>
        <translation>Standaardgateway</translation>
    </message>
    <message>
        <source>Default password</source>
        <translation>Standaardwachtwoord</translation>
    </message>
    <message>
        <source>Delete LANMOD57 module</source>
        <translation>LANMOD57-module verwijderen</translation>
    </message>
    <message>
        <source>Delete gateway</source>
        <translation>Gateway verwijderen</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Apparaten</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-adres</translation>
    </message>
    <message>
        <source>More than 256 devices answered; only the first 256 are listed.</source>
        <translation>Meer dan 256 apparaten hebben geantwoord; alleen de eerste 256 worden getoond.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Open web page</source>
        <translation>Webpagina openen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Password of the gateway</source>
        <translation>Wachtwoord van de gateway</translation>
    </message>
    <message>
        <source>Scanning for Gateways...</source>
        <translation>Zoeken naar gateways...</translation>
    </message>
    <message>
        <source>Scanning for LANMOD57 devices...</source>
        <translation>Zoeken naar LANMOD57-apparaten...</translation>
    </message>
    <message>
        <source>Some gateways sent incomplete or overlong settings; what did not fit was left out.</source>
        <translation>Sommige gateways stuurden onvolledige of te lange instellingen; wat niet paste, is weggelaten.</translation>
    </message>
    <message>
        <source>Store modified configuration data...</source>
        <translation>Gewijzigde configuratiegegevens worden opgeslagen...</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnetmasker</translation>
    </message>
    <message>
        <source>TCP port</source>
        <translation>TCP-poort</translation>
    </message>
    <message>
        <source>UDP Open error !</source>
        <translation>UDP-openfout !</translation>
    </message>
    <message>
        <source>UDP Write error !</source>
        <translation>UDP-schrijffout !</translation>
    </message>
    <message>
        <source>No gateway known yet: press Scan, or add one by its IP address below.</source>
        <translation>Nog geen gateway bekend: druk op Zoeken of voeg er hieronder een toe via zijn IP-adres.</translation>
    </message>
    <message>
        <source>No LANMOD57 module known yet: press Scan, or add one by its IP address below.</source>
        <translation>Nog geen LANMOD57-module bekend: druk op Zoeken of voeg er hieronder een toe via zijn IP-adres.</translation>
    </message>
    <message>
        <source>Add by IP address:</source>
        <translation>Toevoegen via IP-adres:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Toe&amp;voegen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Ca&amp;ncel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Zoeken</translation>
    </message>
</context>
<context>
    <name>LoggerPanel</name>
    <message>
        <source>(entered by hand)</source>
        <translation>(handmatig ingevoerd)</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>At least 10 seconds.</source>
        <translation>Minstens 10 seconden.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <source>Channels in yellow hold no valid value.</source>
        <translation>Geel gemarkeerde kanalen bevatten geen geldige waarde.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Apparaat:</translation>
    </message>
    <message>
        <source>Interval (mm:ss):</source>
        <translation>Interval (mm:ss):</translation>
    </message>
    <message>
        <source>Lit while the logger status is read</source>
        <translation>Brandt terwijl de loggerstatus wordt gelezen</translation>
    </message>
    <message>
        <source>Logger interval</source>
        <translation>Loggerinterval</translation>
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
        <translation>Minimum- en maximumwaarden</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Open logger file</source>
        <translation>Loggerbestand openen</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Records:</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Seconden:</translation>
    </message>
    <message>
        <source>Selected record:</source>
        <translation>Gekozen record:</translation>
    </message>
    <message>
        <source>Store logger file</source>
        <translation>Loggerbestand opslaan</translation>
    </message>
    <message>
        <source>The file holds fewer than two records: an interval of 15 minutes is assumed.</source>
        <translation>Het bestand bevat minder dan twee records: een interval van 15 minuten wordt aangenomen.</translation>
    </message>
    <message>
        <source>Time of the newest record</source>
        <translation>Tijd van het nieuwste record</translation>
    </message>
    <message>
        <source>Time span (dd:hh:mm):</source>
        <translation>Tijdspanne (dd:uu:mm):</translation>
    </message>
    <message>
        <source>Uncertain: the logger was interrupted at this record or a newer one.</source>
        <translation>Onzeker: de logger werd bij dit of een nieuwer record onderbroken.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>The logger memory is full and stopped recording. When was its newest record taken?</source>
        <translation>Het loggergeheugen is vol en registreert niet meer. Wanneer werd het nieuwste record opgenomen?</translation>
    </message>
    <message>
        <source>The meter's interval is synchronised from outside. Enter the interval of its records:</source>
        <translation>Het interval van de meter wordt van buitenaf gesynchroniseerd. Voer het interval van zijn records in:</translation>
    </message>
    <message>
        <source>Times in red are uncertain: the logger was interrupted at that record or a newer one.</source>
        <translation>Rode tijden zijn onzeker: de logger werd bij dat of een nieuwer record onderbroken.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
</context>
<context>
    <name>ExcelExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-werkmap (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-bestand (*.csv)</translation>
    </message>
    <message>
        <source>Export logger data</source>
        <translation>Loggergegevens exporteren</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>File saved</source>
        <translation>Bestand opgeslagen</translation>
    </message>
    <message>
        <source>The file was saved as
%1
No program to open it was found.</source>
        <translation>Het bestand is opgeslagen als
%1
Er is geen programma gevonden om het te openen.</translation>
    </message>
</context>
<context>
    <name>Logger57</name>
    <message>
        <source>Date      Time</source>
        <translation>Datum     Tijd</translation>
    </message>
    <message>
        <source>Open logger file</source>
        <translation>Loggerbestand openen</translation>
    </message>
    <message>
        <source>Save logger file</source>
        <translation>Loggerbestand opslaan</translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Minimum- en maximumwaarden</translation>
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
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>&lt; Pre&amp;vious sequence</source>
        <translation>&lt; &amp;Vorige reeks</translation>
    </message>
    <message>
        <source>&amp;Next sequence &gt;</source>
        <translation>Vol&amp;gende reeks &gt;</translation>
    </message>
    <message>
        <source>&amp;Read from module</source>
        <translation>Van module &amp;lezen</translation>
    </message>
    <message>
        <source>&amp;Open file...</source>
        <translation>Bestand &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Save file...</source>
        <translation>Bestand op&amp;slaan...</translation>
    </message>
    <message>
        <source>&amp;Minimum and maximum</source>
        <translation>&amp;Minimum en maximum</translation>
    </message>
    <message>
        <source>&amp;Profile graph</source>
        <translation>&amp;Profielgrafiek</translation>
    </message>
    <message>
        <source>&amp;Export to Excel...</source>
        <translation>Naar &amp;Excel exporteren...</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Minima and maxima</source>
        <translation>Minima en maxima</translation>
    </message>
</context>
<context>
    <name>DispModePanel</name>
    <message>
        <source>Loop: %1 of %3 pages, user: %2 of %3 pages</source>
        <translation>Lus: %1 van %3 pagina&apos;s, gebruiker: %2 van %3 pagina&apos;s</translation>
    </message>
    <message>
        <source>Click to switch the whole row</source>
        <translation>Klik om de hele rij om te schakelen</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Weergavemodus</translation>
    </message>
    <message>
        <source>Loop time</source>
        <translation>Lustijd</translation>
    </message>
    <message>
        <source>Loop pages</source>
        <translation>Luspagina&apos;s</translation>
    </message>
    <message>
        <source>User pages</source>
        <translation>Gebruikerspagina&apos;s</translation>
    </message>
    <message>
        <source>Current unbalance instead of IN</source>
        <translation>Stroomasymmetrie in plaats van IN</translation>
    </message>
    <message>
        <source>Display pages</source>
        <translation>Weergavepagina&apos;s</translation>
    </message>
    <message>
        <source>Double-click a page or press Space to switch it; yellow pages are shown by the meter.</source>
        <translation>Dubbelklik of spatie schakelt een pagina om; gele pagina&apos;s toont de meter.</translation>
    </message>
    <message>
        <source>C&amp;lear set</source>
        <translation>Selectie &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>SimulationPanel</name>
    <message>
        <source>The connection failed and the simulation has ended. The outputs have their functions back.</source>
        <translation>De verbinding is weggevallen en de simulatie is beëindigd. De uitgangen hebben hun functies terug.</translation>
    </message>
    <message>
        <source>The connection failed and the simulation has ended, but the outputs could not be given their functions back. Check the connection and close: closing tries again.</source>
        <translation>De verbinding is weggevallen en de simulatie is beëindigd, maar de uitgangen konden hun functies niet terugkrijgen. Controleer de verbinding en sluit: sluiten probeert het opnieuw.</translation>
    </message>
    <message>
        <source>Digital output 2</source>
        <translation>Digitale uitgang 2</translation>
    </message>
    <message>
        <source>Digital output 1</source>
        <translation>Digitale uitgang 1</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Simulation of the digital outputs</source>
        <translation>Simulatie van de digitale uitgangen</translation>
    </message>
    <message>
        <source>The outputs could not be given their limit or pulse functions back. Check the connection and close again to retry; if that fails too, send the configuration to the meter later to restore them.</source>
        <translation>De uitgangen konden hun grenswaarde- of pulsfunctie niet terugkrijgen. Controleer de verbinding en sluit opnieuw; lukt ook dat niet, stuur de configuratie later naar de meter om ze te herstellen.</translation>
    </message>
    <message>
        <source>The simulation did not start, and the outputs it freed could not be given their functions back.</source>
        <translation>De simulatie is niet gestart en de vrijgegeven uitgangen konden hun functies niet terugkrijgen.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>BrightnessPopup</name>
    <message>
        <source>Display brightness</source>
        <translation>Helderheid van het display</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Helder</translation>
    </message>
</context>
<context>
    <name>CommLog</name>
    <message>
        <source>request</source>
        <translation>verzoek</translation>
    </message>
    <message>
        <source>retry %1</source>
        <translation>herhaling %1</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>broadcast</translation>
    </message>
    <message>
        <source>good reply, %1 ms</source>
        <translation>goed antwoord, %1 ms</translation>
    </message>
    <message>
        <source>exception %1 (%2), %3 ms</source>
        <translation>uitzondering %1 (%2), %3 ms</translation>
    </message>
    <message>
        <source>CRC error</source>
        <translation>CRC-fout</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>verkeerde lengte</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>time-out</translation>
    </message>
    <message>
        <source>connection closed</source>
        <translation>verbinding gesloten</translation>
    </message>
    <message>
        <source>invalid reply</source>
        <translation>ongeldig antwoord</translation>
    </message>
    <message>
        <source>illegal function</source>
        <translation>ongeldige functie</translation>
    </message>
    <message>
        <source>illegal data address</source>
        <translation>ongeldig gegevensadres</translation>
    </message>
    <message>
        <source>illegal data value</source>
        <translation>ongeldige gegevenswaarde</translation>
    </message>
    <message>
        <source>device failure</source>
        <translation>apparaatstoring</translation>
    </message>
    <message>
        <source>acknowledge</source>
        <translation>bevestiging</translation>
    </message>
    <message>
        <source>device busy</source>
        <translation>apparaat bezet</translation>
    </message>
    <message>
        <source>gateway path unavailable</source>
        <translation>gatewaypad niet beschikbaar</translation>
    </message>
    <message>
        <source>target device failed to respond</source>
        <translation>doelapparaat antwoordt niet</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
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
        <translation>Gateway</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>LANMOD57-module</translation>
    </message>
    <message>
        <source>%1, address %2</source>
        <translation>%1, adres %2</translation>
    </message>
    <message>
        <source>%1, firmware %2</source>
        <translation>%1, firmware %2</translation>
    </message>
    <message>
        <source>Online, last answer %1</source>
        <translation>Online, laatste antwoord %1</translation>
    </message>
    <message>
        <source>Offline, last answer %1</source>
        <translation>Offline, laatste antwoord %1</translation>
    </message>
    <message>
        <source>Offline, no answer yet</source>
        <translation>Offline, nog geen antwoord</translation>
    </message>
    <message>
        <source>the meter could not be reached.</source>
        <translation>de meter was niet bereikbaar.</translation>
    </message>
    <message>
        <source>Configuration received from meter %1 at %2</source>
        <translation>Configuratie van meter %1 om %2 ontvangen</translation>
    </message>
    <message>
        <source>Configuration received from the meter at %1</source>
        <translation>Configuratie van de meter om %1 ontvangen</translation>
    </message>
    <message>
        <source>Receive failed: %1</source>
        <translation>Ontvangen mislukt: %1</translation>
    </message>
    <message>
        <source>Configuration sent to meter %1 at %2</source>
        <translation>Configuratie om %2 naar meter %1 verzonden</translation>
    </message>
    <message>
        <source>Configuration sent to the meter at %1</source>
        <translation>Configuratie om %1 naar de meter verzonden</translation>
    </message>
    <message>
        <source>Nothing sent at %1: the meter already holds this configuration</source>
        <translation>Om %1 niets verzonden: de meter heeft deze configuratie al</translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation>Verzenden mislukt: %1</translation>
    </message>
    <message>
        <source>Send cancelled: the meter was not changed</source>
        <translation>Verzenden geannuleerd: de meter is niet gewijzigd</translation>
    </message>
    <message>
        <source>Configuration changed, not sent</source>
        <translation>Configuratie gewijzigd, niet verzonden</translation>
    </message>
    <message>
        <source>No meter has answered yet. Choose the interface the meter is connected to, or try the program with a simulated meter.</source>
        <translation>Er heeft nog geen meter geantwoord. Kies de interface waarop de meter is aangesloten, of probeer het programma met een gesimuleerde meter.</translation>
    </message>
</context>
<context>
    <name>InstallationPanel</name>
    <message>
        <source>No check applies to this network system.</source>
        <translation>Voor dit netsysteem is geen controle van toepassing.</translation>
    </message>
    <message>
        <source>All checks passed: the meter is wired right.</source>
        <translation>Alle controles geslaagd: de meter is juist aangesloten.</translation>
    </message>
    <message>
        <source>Failed: %1, warnings: %2, passed: %3.</source>
        <translation>Mislukt: %1, waarschuwingen: %2, geslaagd: %3.</translation>
    </message>
    <message>
        <source>No check was made: the meter could not be read. Check the connection, then press Check again.</source>
        <translation>Geen controle uitgevoerd: de meter kon niet worden gelezen. Controleer de verbinding en klik dan op Opnieuw controleren.</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>Opnieuw &amp;controleren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation>Installatiecontrole</translation>
    </message>
    <message>
        <source>Reading the meter...</source>
        <translation>De meter wordt gelezen...</translation>
    </message>
</context>
<context>
    <name>InstallationCheck</name>
    <message>
        <source>The frequency is %2 Hz, within the band of its nominal value.</source>
        <translation>De frequentie is %2 Hz, binnen de band van haar nominale waarde.</translation>
    </message>
    <message>
        <source>The frequency is %2 Hz, off its nominal value: check the supply and the nominal frequency in the settings.</source>
        <translation>De frequentie is %2 Hz en wijkt af van de nominale waarde: controleer de voeding en de nominale frequentie in de instellingen.</translation>
    </message>
    <message>
        <source>The frequency lies outside the meter&apos;s range of 45 to 65 Hz: check the supply.</source>
        <translation>De frequentie ligt buiten het meetbereik van 45 tot 65 Hz: controleer de voeding.</translation>
    </message>
    <message>
        <source>Every phase carries voltage.</source>
        <translation>Elke fase voert spanning.</translation>
    </message>
    <message>
        <source>%1: no voltage: check the voltage connection and its fuse.</source>
        <translation>%1: geen spanning: controleer de spanningsaansluiting en de zekering ervan.</translation>
    </message>
    <message>
        <source>The voltages lie within %2 % of the nominal value.</source>
        <translation>De spanningen liggen binnen %2 % van de nominale waarde.</translation>
    </message>
    <message>
        <source>%1: the voltage is up to %2 % off the nominal value: check the supply and the voltage transformer ratio in the settings.</source>
        <translation>%1: de spanning wijkt tot %2 % af van de nominale waarde: controleer de voeding en de verhouding van de spanningstransformator in de instellingen.</translation>
    </message>
    <message>
        <source>The voltage unbalance is %2 %.</source>
        <translation>De spanningsasymmetrie is %2 %.</translation>
    </message>
    <message>
        <source>%1: the voltage deviates %2 % from the mean of the phases: check the supply and the voltage connections.</source>
        <translation>%1: de spanning wijkt %2 % af van het gemiddelde van de fasen: controleer de voeding en de spanningsaansluitingen.</translation>
    </message>
    <message>
        <source>The phase-to-phase voltages match the phase voltages.</source>
        <translation>De lijnspanningen passen bij de fasespanningen.</translation>
    </message>
    <message>
        <source>%1: the phase-to-phase voltage differs %2 % from what the phase voltages give: check that each voltage input is on its own phase, in sequence.</source>
        <translation>%1: de lijnspanning wijkt %2 % af van wat de fasespanningen geven: controleer of elke spanningsingang op zijn eigen fase zit, in de juiste volgorde.</translation>
    </message>
    <message>
        <source>No current flows on a phase without voltage.</source>
        <translation>Er loopt geen stroom op een fase zonder spanning.</translation>
    </message>
    <message>
        <source>%1: current flows but the voltage is missing: connect the voltage of this phase (check its fuse and terminal).</source>
        <translation>%1: er loopt stroom maar de spanning ontbreekt: sluit de spanning van deze fase aan (controleer zekering en klem).</translation>
    </message>
    <message>
        <source>The load is %2 % of the current transformer rating: enough to judge.</source>
        <translation>De belasting is %2 % van de nominale stroom van de stroomtransformator: genoeg om te beoordelen.</translation>
    </message>
    <message>
        <source>The load is only %2 % of the current transformer rating: too little to judge the current transformers; check again under load.</source>
        <translation>De belasting is slechts %2 % van de nominale stroom van de stroomtransformator: te weinig om de stroomtransformatoren te beoordelen; controleer opnieuw onder belasting.</translation>
    </message>
    <message>
        <source>The active power of every phase has the sign of the total.</source>
        <translation>Het actief vermogen van elke fase heeft het teken van het totaal.</translation>
    </message>
    <message>
        <source>%1: the active power opposes the total: the current transformer is probably reversed (check K/L or P1/P2).</source>
        <translation>%1: het actief vermogen is tegengesteld aan het totaal: de stroomtransformator is waarschijnlijk omgekeerd aangesloten (controleer K/L of P1/P2).</translation>
    </message>
    <message>
        <source>%1: not judged, as the current transformers of these phases look swapped (see the power factors).</source>
        <translation>%1: niet beoordeeld, omdat de stroomtransformatoren van deze fasen verwisseld lijken (zie de arbeidsfactoren).</translation>
    </message>
    <message>
        <source>The power factors of the phases are plausible.</source>
        <translation>De arbeidsfactoren van de fasen zijn aannemelijk.</translation>
    </message>
    <message>
        <source>%1: the power factors of both phases are implausible: their current transformers are probably swapped.</source>
        <translation>%1: de arbeidsfactoren van beide fasen zijn onaannemelijk: hun stroomtransformatoren zijn waarschijnlijk verwisseld.</translation>
    </message>
    <message>
        <source>%1: the power factor is low while the other phases&apos; is high: the current transformer is probably on the wrong phase.</source>
        <translation>%1: de arbeidsfactor is laag terwijl die van de andere fasen hoog is: de stroomtransformator zit waarschijnlijk op de verkeerde fase.</translation>
    </message>
    <message>
        <source>%1: the power factor is low, but so is the load&apos;s: check again with a load of high power factor.</source>
        <translation>%1: de arbeidsfactor is laag, maar die van de belasting ook: controleer opnieuw met een belasting met hoge arbeidsfactor.</translation>
    </message>
    <message>
        <source>The currents reach %2 % of the current transformer rating.</source>
        <translation>De stromen bereiken %2 % van de nominale stroom van de stroomtransformator.</translation>
    </message>
    <message>
        <source>%1: the current reaches %2 % of the current transformer rating: check the transformer ratio in the settings and the transformer fitted.</source>
        <translation>%1: de stroom bereikt %2 % van de nominale stroom van de stroomtransformator: controleer de verhouding in de instellingen en de geplaatste transformator.</translation>
    </message>
    <message>
        <source>The current unbalance is %2 %.</source>
        <translation>De stroomasymmetrie is %2 %.</translation>
    </message>
    <message>
        <source>%1: the current deviates %2 % from the mean of the phases: check the distribution of the load and the current transformers.</source>
        <translation>%1: de stroom wijkt %2 % af van het gemiddelde van de fasen: controleer de verdeling van de belasting en de stroomtransformatoren.</translation>
    </message>
    <message>
        <source>The neutral current is %2 % of the mean phase current.</source>
        <translation>De nulgeleiderstroom is %2 % van de gemiddelde fasestroom.</translation>
    </message>
    <message>
        <source>The neutral current is %2 % of the mean phase current: check that each current transformer sits on its phase, and the balance of the load.</source>
        <translation>De nulgeleiderstroom is %2 % van de gemiddelde fasestroom: controleer of elke stroomtransformator op zijn fase zit, en de balans van de belasting.</translation>
    </message>
    <message>
        <source>No valid reading to judge: check again, and check the meter&apos;s connection if it persists.</source>
        <translation>Geen geldige meetwaarde om te beoordelen: controleer opnieuw, en de verbinding met de meter als het blijft.</translation>
    </message>
    <message>
        <source>Not judged: less than %2 % of the current transformer rating flows on every phase; check again under load.</source>
        <translation>Niet beoordeeld: op elke fase loopt minder dan %2 % van de nominale stroom van de stroomtransformator; controleer opnieuw onder belasting.</translation>
    </message>
    <message>
        <source>Not judged: too few phases carry voltage.</source>
        <translation>Niet beoordeeld: te weinig fasen voeren spanning.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Voltage present</source>
        <translation>Spanning aanwezig</translation>
    </message>
    <message>
        <source>Voltage level</source>
        <translation>Spanningsniveau</translation>
    </message>
    <message>
        <source>Voltage unbalance</source>
        <translation>Spanningsasymmetrie</translation>
    </message>
    <message>
        <source>Phase-to-phase voltages</source>
        <translation>Lijnspanningen</translation>
    </message>
    <message>
        <source>Current without voltage</source>
        <translation>Stroom zonder spanning</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Belasting</translation>
    </message>
    <message>
        <source>Direction of active power</source>
        <translation>Richting van het actief vermogen</translation>
    </message>
    <message>
        <source>Power factors</source>
        <translation>Arbeidsfactoren</translation>
    </message>
    <message>
        <source>Current transformer rating</source>
        <translation>Nominale stroom stroomtransformator</translation>
    </message>
    <message>
        <source>Current unbalance</source>
        <translation>Stroomasymmetrie</translation>
    </message>
    <message>
        <source>Neutral current</source>
        <translation>Nulgeleiderstroom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>CommissioningRecord</name>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>LANMOD57 module</source>
        <translation>LANMOD57-module</translation>
    </message>
    <message>
        <source>Measurand</source>
        <translation>Meetgrootheid</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Meetwaarde</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation>Inbedrijfstellingsrapport</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Technicus</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>%1, extension %2</source>
        <translation>%1, uitbreiding %2</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmwareversie</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Instelling</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Installation check</source>
        <translation>Installatiecontrole</translation>
    </message>
    <message>
        <source>No check applies to this meter.</source>
        <translation>Voor deze meter geldt geen controle.</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Oordeel</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Bevinding</translation>
    </message>
    <message>
        <source>Instantaneous values</source>
        <translation>Momentane waarden</translation>
    </message>
    <message>
        <source>Energy registers</source>
        <translation>Energietellers</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Teller</translation>
    </message>
    <message>
        <source>Minimum and maximum values</source>
        <translation>Minimum- en maximumwaarden</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Commissioning record</source>
        <translation>Inbedrijfstellingsrapport</translation>
    </message>
    <message>
        <source>The &amp;panel shown</source>
        <translation>Het getoonde &amp;venster</translation>
    </message>
    <message>
        <source>The commissioning &amp;record</source>
        <translation>Het inbedrijfstellings&amp;rapport</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Locatie:</translation>
    </message>
    <message>
        <source>&amp;Technician:</source>
        <translation>&amp;Technicus:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Opmerking:</translation>
    </message>
</context>
</TS>
