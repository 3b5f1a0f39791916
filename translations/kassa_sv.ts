<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts that its Swedish catalogue (qt_sv.qm) lacks: the standard buttons and the
     actions a screen reader is offered. Built with lrelease into the program. -->
<TS version="2.1" language="sv_SE">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Spara alla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja till &amp;alla</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ej till alla</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standardvärden</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Stäng utan att spara</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <translation>Tryck</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Öka</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Minska</translation>
    </message>
    <message>
        <source>ShowMenu</source>
        <translation>Visa meny</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>Ge fokus</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Växla</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Rulla åt vänster</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rulla åt höger</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rulla uppåt</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rulla nedåt</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Föregående sida</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nästa sida</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>Utför åtgärden</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Ökar värdet</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Minskar värdet</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Visar menyn</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Ger fokus</translation>
    </message>
    <message>
        <source>Toggles the state</source>
        <translation>Växlar läget</translation>
    </message>
    <message>
        <source>Scrolls to the left</source>
        <translation>Rullar åt vänster</translation>
    </message>
    <message>
        <source>Scrolls to the right</source>
        <translation>Rullar åt höger</translation>
    </message>
    <message>
        <source>Scrolls up</source>
        <translation>Rullar uppåt</translation>
    </message>
    <message>
        <source>Scrolls down</source>
        <translation>Rullar nedåt</translation>
    </message>
    <message>
        <source>Goes back a page</source>
        <translation>Går en sida bakåt</translation>
    </message>
    <message>
        <source>Goes to the next page</source>
        <translation>Går till nästa sida</translation>
    </message>
</context>
</TS>
