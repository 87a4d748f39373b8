# SPDX-License-Identifier: GPL-3.0-or-later
# The help page in each language the program speaks: its title and tagline,
# and a line saying the body is English for now. One row per language.
set(HELP_de_TITLE "Horalux – Anleitung und Hilfe")
set(HELP_de_TAGLINE "Eine kleine Weltuhr für Ihren Schreibtisch")
set(HELP_de_NOTE "Diese Anleitung gibt es bisher nur auf Englisch.")
set(HELP_fr_TITLE "Horalux – Mode d’emploi et aide")
set(HELP_fr_TAGLINE "Une petite horloge mondiale pour votre bureau")
set(HELP_fr_NOTE "Ce mode d’emploi n’existe pour l’instant qu’en anglais.")
set(HELP_es_TITLE "Horalux – Instrucciones y ayuda")
set(HELP_es_TAGLINE "Un pequeño reloj mundial para su escritorio")
set(HELP_es_NOTE "Por ahora estas instrucciones solo están disponibles en inglés.")
set(HELP_pl_TITLE "Horalux – Instrukcja i pomoc")
set(HELP_pl_TAGLINE "Mały zegar światowy na pulpit")
set(HELP_pl_NOTE "Ta instrukcja jest na razie dostępna tylko po angielsku.")
set(HELP_ja_TITLE "Horalux – 使い方とヘルプ")
set(HELP_ja_TAGLINE "デスクトップ用の小さな世界時計")
set(HELP_ja_NOTE "この説明は現在、英語のみです。")
