<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>RatingPrompt</name>
    <message id="RatingPromptMessageTitle"><source>Rate %@</source><translation>Nilai %@</translation></message>
    <message id="RatingPromptAppMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Jika anda suka menggunakan %@, bolehkah anda luangkan sedikit masa untuk menilainya? Ia tidak akan mengambil masa lebih daripada seminit. Terima kasih atas sokongan anda!</translation></message>
    <message id="RatingPromptGameMessage"><source>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Jika anda suka bermain %@, bolehkah anda luangkan sedikit masa untuk menilainya? Ia tidak akan mengambil masa lebih daripada seminit. Terima kasih atas sokongan anda!</translation></message>
    <message id="RatingPromptUpdateMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Jika anda suka menggunakan %@, bolehkah anda luangkan sedikit masa untuk menilainya? Ia tidak akan mengambil masa lebih daripada seminit. Terima kasih atas sokongan anda!</translation></message>
    <message id="RatingPromptCancelButton"><source>No, Thanks</source><translation>Tidak, Terima Kasih</translation></message>
    <message id="RatingPromptRemindButton"><source>Remind Me Later</source><translation>Ingatkan Saya Nanti</translation></message>
    <message id="RatingPromptRateButton"><source>Rate It Now</source><translation>Nilai Sekarang</translation></message>
</context>
</TS>
