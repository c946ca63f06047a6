; The installer's and uninstaller's texts in Russian (the default) and English.

LangString SecMainName ${LANG_RUSSIAN} "KFWS_Airdrop: модуль, эффекты, руководство"
LangString SecMainName ${LANG_ENGLISH} "KFWS_Airdrop: module, effects, guide"
LangString SecToolsName ${LANG_RUSSIAN} "simhost для авторов самолётов"
LangString SecToolsName ${LANG_ENGLISH} "simhost for aircraft makers"

LangString DirTop ${LANG_RUSSIAN} "Выберите папку симулятора: ту, где лежит fs9.exe. Модуль ляжет в её папку Modules, эффекты — в Effects."
LangString DirTop ${LANG_ENGLISH} "Choose the simulator's folder, the one holding fs9.exe. The module goes into its Modules folder, the effects into Effects."
LangString NoFs9 ${LANG_RUSSIAN} "В папке «$INSTDIR» нет fs9.exe: похоже, это не папка симулятора.$\r$\n$\r$\nВсё равно установить сюда?"
LangString NoFs9 ${LANG_ENGLISH} "The folder $\"$INSTDIR$\" has no fs9.exe: it does not look like the simulator's folder.$\r$\n$\r$\nInstall there anyway?"

LangString SimRunning ${LANG_RUSSIAN} "Симулятор запущен и держит свои модули открытыми. Закройте симулятор и запустите установку снова."
LangString SimRunning ${LANG_ENGLISH} "The simulator is running and holds its modules open. Close the simulator and run the setup again."
LangString SimRunningRetry ${LANG_RUSSIAN} "Симулятор запущен и держит свои модули открытыми. Закройте симулятор и нажмите «Повтор»."
LangString SimRunningRetry ${LANG_ENGLISH} "The simulator is running and holds its modules open. Close the simulator and press Retry."
LangString UnSimRunning ${LANG_RUSSIAN} "Симулятор запущен и держит свои модули открытыми. Закройте симулятор и запустите удаление снова."
LangString UnSimRunning ${LANG_ENGLISH} "The simulator is running and holds its modules open. Close the simulator and run the removal again."

LangString ConfigKept ${LANG_RUSSIAN} "Файлы настроек самолётов в папке «$SIMDIR\Modules\KestrelFieldWorks\KFWS_Airdrop» сохранены."
LangString ConfigKept ${LANG_ENGLISH} "The aircraft configuration files in $\"$SIMDIR\Modules\KestrelFieldWorks\KFWS_Airdrop$\" are kept."
