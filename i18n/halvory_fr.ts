<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>HandBuckets</name>
    <message>
        <source>straight flush</source>
        <translation>quinte flush</translation>
    </message>
    <message>
        <source>quads</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>full house</source>
        <translation>full</translation>
    </message>
    <message>
        <source>flush</source>
        <translation>couleur</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>quinte</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>trips</source>
        <translation>brelan</translation>
    </message>
    <message>
        <source>two pair</source>
        <translation>deux paires</translation>
    </message>
    <message>
        <source>top pair</source>
        <translation>top paire</translation>
    </message>
    <message>
        <source>overpair</source>
        <translation>overpair</translation>
    </message>
    <message>
        <source>middle pair</source>
        <translation>paire moyenne</translation>
    </message>
    <message>
        <source>bottom pair</source>
        <translation>paire basse</translation>
    </message>
    <message>
        <source>dry pair</source>
        <translation>paire sèche</translation>
    </message>
    <message>
        <source>flush draw</source>
        <translation>tirage couleur</translation>
    </message>
    <message>
        <source>missed FD</source>
        <translation>tirage couleur manqué</translation>
    </message>
    <message>
        <source>open ended straight draw</source>
        <translation>tirage quinte bilatéral</translation>
    </message>
    <message>
        <source>missed OESD</source>
        <translation>tirage quinte bilatéral manqué</translation>
    </message>
    <message>
        <source>gutter</source>
        <translation>tirage ventral</translation>
    </message>
    <message>
        <source>missed gutter</source>
        <translation>tirage ventral manqué</translation>
    </message>
    <message>
        <source>back door flush draw</source>
        <translation>tirage couleur backdoor</translation>
    </message>
    <message>
        <source>air</source>
        <translation>rien</translation>
    </message>
</context>
<context>
    <name>UpdateManager</name>
    <message>
        <source>Update URL is not configured.</source>
        <translation>L'URL de mise à jour n'est pas configurée.</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la vérification des mises à jour : %1</translation>
    </message>
    <message>
        <source>Invalid update response (HTTP %1).</source>
        <translation>Réponse de mise à jour invalide (HTTP %1).</translation>
    </message>
    <message>
        <source>No download URL available.</source>
        <translation>Aucune URL de téléchargement disponible.</translation>
    </message>
    <message>
        <source>Failed to create download file.</source>
        <translation>Impossible de créer le fichier de téléchargement.</translation>
    </message>
    <message>
        <source>Download failed: %1</source>
        <translation>Échec du téléchargement : %1</translation>
    </message>
    <message>
        <source>Failed to finalize download file (HTTP %1).</source>
        <translation>Impossible de finaliser le fichier de téléchargement (HTTP %1).</translation>
    </message>
    <message>
        <source>No downloaded update is ready to install.</source>
        <translation>Aucune mise à jour téléchargée n'est prête à être installée.</translation>
    </message>
    <message>
        <source>Downloaded installer file is missing.</source>
        <translation>Le fichier d'installation téléchargé est introuvable.</translation>
    </message>
    <message>
        <source>Failed to launch installer.</source>
        <translation>Impossible de lancer le programme d'installation.</translation>
    </message>
    <message>
        <source>No update is available.</source>
        <translation>Aucune mise à jour disponible.</translation>
    </message>
</context>
</TS>
